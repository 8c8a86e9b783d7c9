// Normal equations from power sums, Gaussian elimination with partial pivoting, back substitution, R².
#include "fit/LeastSquares.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// True when x holds at least `needed` distinct values (zeros left out when asked): with fewer, the
// normal equations are singular and only rounding would keep the elimination from seeing it.
bool hasDistinctValues(int n, const double *x, int needed, bool skipZero) {
    std::vector<double> seen;
    for (int j = 0; j < n && static_cast<int>(seen.size()) < needed; ++j) {
        if (skipZero && x[j] == 0)
            continue;
        if (std::find(seen.begin(), seen.end(), x[j]) == seen.end())
            seen.push_back(x[j]);
    }
    return static_cast<int>(seen.size()) >= needed;
}

bool allFinite(const std::vector<double> &values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// R² of the fitted coefficients on the fitted points, with powers[j * (m + 1) + k] = pow(x_j, k);
// -1 when all y are equal.
double coefficientOfDetermination(int n, int m, const double *y, const double *coefficients,
                                  const std::vector<double> &powers) {
    double sum = 0;
    for (int j = 0; j < n; ++j)
        sum += y[j];
    const double mean = sum / n;
    double residual = 0, total = 0;
    for (int j = 0; j < n; ++j) {
        double fitted = 0;
        for (int k = 0; k <= m; ++k)
            fitted += coefficients[k] * powers[static_cast<size_t>(j) * (m + 1) + k];
        residual += (y[j] - fitted) * (y[j] - fitted);
        total += (y[j] - mean) * (y[j] - mean);
    }
    return total != 0 ? 1 - residual / total : -1;
}

bool fitPolynomial(int n, int m, const double *x, const double *y, bool fixConstant, double c,
                   double *coefficients, double &rSquared) {
    if (n < 1 || m < 0 || m > maxEngineOrder || !x || !y || !coefficients)
        return false;
    // With C0 fixed the terms x..x^m must be independent on the points, which takes m distinct non-zero x.
    if (!hasDistinctValues(n, x, fixConstant ? m : m + 1, fixConstant))
        return false;

    // Each pow(x_j, k) is formed once; the powers up to m are kept for R².
    std::vector<double> powerSums(2 * m + 1, 0.0), rightSums(m + 1, 0.0);
    std::vector<double> powers(static_cast<size_t>(n) * (m + 1));
    for (int j = 0; j < n; ++j) {
        const double target = fixConstant ? y[j] - c : y[j];
        double *low = &powers[static_cast<size_t>(j) * (m + 1)];
        for (int k = 0; k <= 2 * m; ++k) {
            const double power = std::pow(x[j], k);
            powerSums[k] += power;
            if (k <= m)
                low[k] = power;
        }
        for (int k = 0; k <= m; ++k)
            rightSums[k] += low[k] * target;
    }
    if (!allFinite(powerSums) || !allFinite(rightSums))
        return false;

    const int rows = m + 1, cols = m + 2;
    std::vector<std::vector<double>> a(rows, std::vector<double>(cols));
    for (int r = 0; r < rows; ++r) {
        for (int k = 0; k <= m; ++k)
            a[r][k] = powerSums[r + k];
        a[r][cols - 1] = rightSums[r];
    }
    if (fixConstant) {
        for (int r = 1; r < rows; ++r)
            a[r][0] = 0;
        a[0][cols - 1] = 0;
    }

    for (int j = 0; j + 1 < rows; ++j) {
        for (int l = j + 1; l < rows; ++l)
            if (std::fabs(a[l][j]) > std::fabs(a[j][j]))
                std::swap(a[l], a[j]);
        for (int k = j + 1; k < rows; ++k) {
            if (a[j][j] == 0)
                return false;
            const double f = a[k][j] / a[j][j];
            for (int col = 0; col < cols; ++col)
                a[k][col] -= f * a[j][col];
        }
    }
    for (int i = rows - 1; i >= 0; --i) {
        double s = a[i][cols - 1];
        for (int col = i + 1; col < cols - 1; ++col)
            s -= a[i][col] * coefficients[col];
        if (a[i][i] == 0)
            return false;
        coefficients[i] = s / a[i][i];
    }
    if (fixConstant)
        coefficients[0] = c;
    if (!std::all_of(coefficients, coefficients + rows, [](double v) { return std::isfinite(v); }))
        return false;

    const double r2 = coefficientOfDetermination(n, m, y, coefficients, powers);
    if (!std::isfinite(r2))
        return false;
    rSquared = r2;
    return true;
}

} // namespace

bool fitPolynomialFree(int n, int m, const double *x, const double *y, double *coefficients,
                       double &rSquared) {
    return fitPolynomial(n, m, x, y, false, 0, coefficients, rSquared);
}

bool fitPolynomialFixedConstant(int n, int m, const double *x, const double *y, double c,
                                double *coefficients, double &rSquared) {
    return fitPolynomial(n, m, x, y, true, c, coefficients, rSquared);
}
