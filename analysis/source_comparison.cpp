#include "analysis/source_comparison.h"

#include "analysis/expected_count.h"
#include "core/physics_constants.h"
#include "spectrum/drawn_density.h"

#include <cmath>

void FitSource(std::vector<ScanPoint>& points)
{
    double product = 0.0;
    double square = 0.0;
    for (const ScanPoint& point : points) {
        if (point.ratePerKeV) {
            product += *point.ratePerKeV * point.sourceIntensity;
            square += point.sourceIntensity * point.sourceIntensity;
        }
    }
    const double scale = square > 0.0 ? product / square : 0.0;
    for (ScanPoint& point : points)
        point.sourceScaled = scale * point.sourceIntensity;
}

void CompareWithSource(std::vector<ScanPoint>& points, const SourceSpectrum& source)
{
    for (ScanPoint& point : points) {
        point.truePerKeV = point.launched * DrawnDensity(source, point.energyKeV / KeVPerMeV) / KeVPerMeV;
        if (!point.detectionProbability)
            continue;
        const ExpectedCount expected = ExpectCount(*point.detectionProbability, point.launched, point.detected);
        point.expectedDetected = expected.detected;
        point.pull = expected.pull;
    }
}

PullSummary SummarisePulls(const std::vector<ScanPoint>& points)
{
    PullSummary summary;
    double sum = 0.0;
    double squares = 0.0;
    for (const ScanPoint& point : points) {
        if (!point.pull)
            continue;
        ++summary.count;
        sum += *point.pull;
        squares += *point.pull * *point.pull;
    }
    if (summary.count > 0) {
        summary.mean = sum / summary.count;
        summary.rms = std::sqrt(squares / summary.count);
    }
    return summary;
}
