#pragma once

class StandardForm;

// The λ that minimises the generalised cross-validation score
//   V(λ) = m ‖B x_λ − z‖² / (m − tr H_λ)²,   H_λ = B (BᵀB + λLᵀL)⁻¹ Bᵀ,
// which estimates how well x_λ would predict a reading left out of the fit,
// among the λ whose fit leaves the residual at least one degree of freedom
// (m − tr H ≥ 1).
double GeneralisedCrossValidation(const StandardForm& problem);

// The score itself, for one λ.
double CrossValidationScore(const StandardForm& problem, double lambda);
