#include "unfolding/standard_form.h"

#include <algorithm>
#include <cmath>

namespace {

// An orthonormal basis of the straight lines on the nodes: what L sends to zero.
Eigen::MatrixXd StraightLines(Eigen::Index nodes)
{
    Eigen::MatrixXd lines(nodes, 2);
    for (Eigen::Index i = 0; i < nodes; ++i) {
        lines(i, 0) = 1.0;
        lines(i, 1) = static_cast<double>(i);
    }
    const Eigen::HouseholderQR<Eigen::MatrixXd> qr(lines);
    return qr.householderQ() * Eigen::MatrixXd::Identity(nodes, 2);
}

}

StandardForm::StandardForm(const Eigen::MatrixXd& B, const Eigen::VectorXd& z, const Eigen::MatrixXd& L)
    : m_readings(B.rows()), m_readingsZ(z)
{
    const Eigen::MatrixXd lines = StraightLines(B.cols());
    const Eigen::MatrixXd onLines = B * lines;
    const Eigen::CompleteOrthogonalDecomposition<Eigen::MatrixXd> linesFit(onLines);
    m_freeShapes = static_cast<int>(linesFit.rank());
    const Eigen::MatrixXd linesInverse = linesFit.pseudoInverse();
    m_freePart = lines * linesInverse;

    const Eigen::MatrixXd curvatureInverse = L.completeOrthogonalDecomposition().pseudoInverse();
    const Eigen::MatrixXd weightedInverse = curvatureInverse - m_freePart * (B * curvatureInverse);
    const Eigen::MatrixXd transformed = B * weightedInverse;
    m_toRest = Eigen::MatrixXd::Identity(B.rows(), B.rows()) - onLines * linesInverse;
    const Eigen::VectorXd rest = m_toRest * z;

    const Eigen::BDCSVD<Eigen::MatrixXd> svd(transformed, Eigen::ComputeThinU | Eigen::ComputeThinV);
    m_left = svd.matrixU();
    m_singular = svd.singularValues();
    m_right = svd.matrixV();
    m_toNodes = weightedInverse * m_right;
    m_projected = m_left.transpose() * rest;
    m_outside = std::max(0.0, rest.squaredNorm() - m_projected.squaredNorm());
}

Eigen::VectorXd StandardForm::Filter(double lambda) const
{
    return m_singular.array().square() / (m_singular.array().square() + lambda);
}

double StandardForm::Residual(double lambda) const
{
    const Eigen::ArrayXd kept = 1.0 - Filter(lambda).array();
    return (kept * m_projected.array()).square().sum() + m_outside;
}

double StandardForm::Influence(double lambda) const
{
    return m_freeShapes + Filter(lambda).sum();
}

Eigen::VectorXd StandardForm::Solution(double lambda) const
{
    Eigen::VectorXd gain = m_singular.array() / (m_singular.array().square() + lambda);
    // A zero singular value carries nothing; 0/0 would make it NaN at λ = 0.
    gain = (m_singular.array() > 0.0).select(gain, 0.0);
    return m_toNodes * gain.asDiagonal() * m_projected + m_freePart * m_readingsZ;
}

Eigen::MatrixXd StandardForm::SolutionMap(double lambda) const
{
    Eigen::VectorXd gain = m_singular.array() / (m_singular.array().square() + lambda);
    gain = (m_singular.array() > 0.0).select(gain, 0.0);
    return m_toNodes * gain.asDiagonal() * (m_left.transpose() * m_toRest) + m_freePart;
}
