#include "unfolding/box_response.h"

#include <algorithm>
#include <cmath>

namespace {

// ∫ over [from, to] ⊂ [0, 1] of t and of 1 − t: the shares of a cell's right
// and left node.
void AddCellShare(Eigen::MatrixXd& response, Eigen::Index row, int cell, double from, double to, double spacing)
{
    const double rising = (to * to - from * from) / 2;
    response(row, cell) += spacing * ((to - from) - rising);
    response(row, cell + 1) += spacing * rising;
}

}

Eigen::MatrixXd BoxResponse(const NodeGrid& grid, const std::vector<BandCount>& counts)
{
    const double h = grid.Spacing();
    Eigen::MatrixXd response = Eigen::MatrixXd::Zero(static_cast<Eigen::Index>(counts.size()), grid.nodes);
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double from = std::max(counts[i].lower, grid.lower);
        const double to = std::min(counts[i].upper, grid.upper);
        for (int cell = 0; cell + 1 < grid.nodes; ++cell) {
            const double left = grid.Node(cell);
            const double a = std::max(from, left);
            const double b = std::min(to, left + h);
            if (a < b)
                AddCellShare(response, static_cast<Eigen::Index>(i), cell, (a - left) / h, (b - left) / h, h);
        }
    }
    return response;
}

Eigen::RowVectorXd Interpolation(const NodeGrid& grid, double energy)
{
    Eigen::RowVectorXd weights = Eigen::RowVectorXd::Zero(grid.nodes);
    const double position = std::clamp((energy - grid.lower) / grid.Spacing(), 0.0, grid.nodes - 1.0);
    const int cell = std::min(static_cast<int>(position), grid.nodes - 2);
    const double t = position - cell;
    weights(cell) = 1.0 - t;
    weights(cell + 1) = t;
    return weights;
}

Eigen::MatrixXd Curvature(const NodeGrid& grid)
{
    const double h2 = grid.Spacing() * grid.Spacing();
    Eigen::MatrixXd curvature = Eigen::MatrixXd::Zero(grid.nodes - 2, grid.nodes);
    for (int i = 0; i + 2 < grid.nodes; ++i) {
        curvature(i, i) = 1.0 / h2;
        curvature(i, i + 1) = -2.0 / h2;
        curvature(i, i + 2) = 1.0 / h2;
    }
    return curvature;
}
