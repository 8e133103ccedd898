#pragma once

// Text on a QImage needs a QGuiApplication. A command-line program has none
// and may run where there is no display, so the first call makes one on the
// offscreen platform; a program that already has an application keeps its own.
void EnsureGuiApplication();
