#include "bench/coverage_tally.h"

#include <algorithm>

void CoverageTally::Add(const std::vector<ScanPoint>& points)
{
    if (runs == 0) {
        for (const ScanPoint& point : points) {
            energiesKeV.push_back(point.energyKeV);
            truePerKeV.push_back(point.truePerKeV);
        }
        covered.assign(points.size(), 0);
        widthSum.assign(points.size(), 0.0);
        detectedSum.assign(points.size(), 0.0);
    }
    std::size_t missed = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double lower = points[i].unfoldedLowerPerKeV.value_or(0.0);
        const double upper = points[i].unfoldedUpperPerKeV.value_or(0.0);
        const bool holds = lower <= points[i].truePerKeV && points[i].truePerKeV <= upper;
        covered[i] += holds ? 1 : 0;
        missed += holds ? 0 : 1;
        widthSum[i] += upper - lower;
        detectedSum[i] += points[i].detected;
    }
    if (runsMissing.size() <= missed)
        runsMissing.resize(missed + 1, 0);
    ++runsMissing[missed];
    ++runs;
}

double CoverageTally::OverallShare() const
{
    int sum = 0;
    for (int c : covered)
        sum += c;
    return covered.empty() || runs == 0 ? 0.0 : static_cast<double>(sum) / (runs * covered.size());
}

double CoverageTally::SmallestShare() const
{
    if (covered.empty() || runs == 0)
        return 0.0;
    return static_cast<double>(*std::min_element(covered.begin(), covered.end())) / runs;
}

double CoverageTally::MeanWidth() const
{
    double sum = 0.0;
    for (double w : widthSum)
        sum += w;
    return covered.empty() || runs == 0 ? 0.0 : sum / (runs * widthSum.size());
}
