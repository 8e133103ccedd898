#pragma once

#include "unfolding/band_count.h"

#include <Eigen/Dense>

#include <vector>

// The density as a broken line through equally spaced nodes on
// [lower, upper]; a value per node.
struct NodeGrid {
    double lower = 0.0;
    double upper = 1.0;
    int nodes = 2;

    double Spacing() const { return (upper - lower) / (nodes - 1); }
    double Node(int i) const { return lower + i * Spacing(); }
};

// Row i: the chance of landing in band i per unit of each node's value,
// i.e. the integral of the node's hat function over the band, exact.
Eigen::MatrixXd BoxResponse(const NodeGrid& grid, const std::vector<BandCount>& counts);

// The broken line's value at an energy on the grid, as weights of the nodes.
Eigen::RowVectorXd Interpolation(const NodeGrid& grid, double energy);

// Second differences of the node values per spacing squared: the broken
// line's curvature, which the smoothing penalises.
Eigen::MatrixXd Curvature(const NodeGrid& grid);
