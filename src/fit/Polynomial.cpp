// Evaluation, differentiation and rendering of a polynomial term list.
#include "fit/Polynomial.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

Polynomial::Polynomial() : exponents_(capacity + 1, 0), coefficients_(capacity + 1, 0.0) {}

void Polynomial::setTerms(int count, const double *coefficients, const int *exponents) {
    std::fill(exponents_.begin(), exponents_.end(), 0);
    std::fill(coefficients_.begin(), coefficients_.end(), 0.0);
    termCount_ = (coefficients && exponents) ? std::clamp(count, 0, capacity) : 0;
    std::copy(coefficients, coefficients + termCount_, coefficients_.begin());
    std::copy(exponents, exponents + termCount_, exponents_.begin());
}

double Polynomial::evaluate(double x) const {
    double sum = 0;
    for (int i = termCount_ - 1; i >= 0; --i) {
        double term = coefficients_[i];
        for (int e = 0; e < exponents_[i]; ++e)
            term *= x;
        sum += term;
    }
    return sum;
}

std::string Polynomial::setDerivativeOf(int count, const double *coefficients, const int *exponents,
                                        const std::string &variable, int precision) {
    const int n = (coefficients && exponents) ? std::clamp(count - 1, 0, capacity) : 0;
    std::vector<double> c(n);
    std::vector<int> e(n);
    for (int i = 0; i < n; ++i) {
        c[i] = exponents[i + 1] * coefficients[i + 1];
        e[i] = exponents[i + 1] - 1;
    }
    setTerms(n, c.data(), e.data());
    return render(variable, precision);
}

std::string Polynomial::toText(int count, const double *coefficients, const int *exponents,
                               const std::string &variable, int precision) {
    setTerms(count, coefficients, exponents);
    return render(variable, precision);
}

std::string Polynomial::render(const std::string &variable, int precision) const {
    const int digits = std::clamp(precision, 0, 24);
    std::string text = "= ";
    for (int i = termCount_ - 1; i >= 0; --i) {
        const bool first = i == termCount_ - 1;
        if (coefficients_[i] > 0)
            text += first ? "" : " + ";
        else
            text += first ? "-" : " - ";
        char number[64];
        std::snprintf(number, sizeof number, "%.*le", digits, std::fabs(coefficients_[i]));
        text += number;
        if (exponents_[i] == 1)
            text += "*" + variable;
        else if (exponents_[i] >= 2)
            text += "*" + variable + "^" + std::to_string(exponents_[i]);
    }
    return text;
}
