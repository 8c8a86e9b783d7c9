// Least-squares polynomial fit by normal equations, with or without a fixed constant term.
#pragma once

// The largest order the engine accepts: a Polynomial holds at most 100 terms.
constexpr int maxEngineOrder = 99;

// Fits y = C0 + C1 x + ... + Cm x^m to n points. `coefficients` has room for m+1 values, C0 first.
// Returns false when the fit is not determined (too few distinct x, an exactly zero pivot) or
// gives a non-finite coefficient or R²; rSquared is then left untouched. R² is -1 when all y are equal.
bool fitPolynomialFree(int n, int m, const double *x, const double *y, double *coefficients,
                       double &rSquared);

// As fitPolynomialFree with the constant term held at c: C0 is c exactly, C1..Cm minimise
// the squared distance of y - c from the remaining terms.
bool fitPolynomialFixedConstant(int n, int m, const double *x, const double *y, double c,
                                double *coefficients, double &rSquared);
