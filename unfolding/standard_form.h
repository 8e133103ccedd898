#pragma once

#include <Eigen/Dense>

// min ‖B x − z‖² + λ ‖L x‖² for every λ at once. B and z are already divided
// by each reading's error; L (one row fewer than x twice over) penalises the
// curvature and so leaves straight lines free. The problem is brought to
// standard form, x = L⁺_B y + x₀ with ‖L x‖ = ‖y‖ (Eldén's transformation
// with the B-weighted pseudo-inverse), and the SVD of the transformed
// B̄ = U Σ Vᵀ then gives the solution, its residual and its degrees of freedom
// as sums over the singular values: the normal equations, whose condition is
// the square of B's, are never formed.
class StandardForm {
public:
    StandardForm(const Eigen::MatrixXd& B, const Eigen::VectorXd& z, const Eigen::MatrixXd& L);

    // ‖B x_λ − z‖².
    double Residual(double lambda) const;
    // tr of the influence matrix B (BᵀB + λLᵀL)⁻¹ Bᵀ: the readings the fit spends.
    double Influence(double lambda) const;
    // The penalised least-squares solution x_λ.
    Eigen::VectorXd Solution(double lambda) const;
    // The linear map M_λ with x_λ = M_λ z. With readings of unit variance the
    // covariance of x_λ is M_λ M_λᵀ, and its mean for a true x is M_λ B x.
    Eigen::MatrixXd SolutionMap(double lambda) const;

    int Readings() const { return static_cast<int>(m_readings); }
    double LargestSingular() const { return m_singular.size() > 0 ? m_singular(0) : 0.0; }

private:
    Eigen::VectorXd Filter(double lambda) const;

    Eigen::Index m_readings;
    int m_freeShapes;              // the straight lines the penalty leaves free
    Eigen::MatrixXd m_toNodes;     // L⁺_B V
    Eigen::MatrixXd m_freePart;    // the map from z to x₀
    Eigen::MatrixXd m_toRest;      // z to the part of it no straight line fits
    Eigen::MatrixXd m_left;        // U
    Eigen::MatrixXd m_right;       // V
    Eigen::VectorXd m_readingsZ;   // z
    Eigen::VectorXd m_singular;    // Σ
    Eigen::VectorXd m_projected;   // Uᵀ z̄
    double m_outside = 0.0;        // the part of ‖z̄‖² no y can fit
};
