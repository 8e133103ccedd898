#pragma once

#include "spectrum/spline3.h"

// The same clamped cubic spline as BuildSpline, found from the slopes at the
// knots, each piece in powers of its distance from its first knot, and only
// then written in powers of the absolute abscissa. The slopes come from a
// small system that stays well conditioned however many knots there are,
// where the one dense system loses every digit for long tables.
TResult BuildLocalSpline(const TPoints& knots, double startSlope, double endSlope);
