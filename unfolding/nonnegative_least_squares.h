#pragma once

#include <Eigen/Dense>

// The x ≥ 0 that minimises ‖C x − d‖: the Lawson–Hanson active-set method.
// The variables positive in `guess` start free, which saves most of the steps
// when few bounds bind; the answer does not depend on the guess.
Eigen::VectorXd NonNegativeLeastSquares(const Eigen::MatrixXd& C, const Eigen::VectorXd& d,
                                        const Eigen::VectorXd& guess);
