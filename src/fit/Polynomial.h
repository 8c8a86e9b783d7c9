// A term list for fitted equations: evaluation, derivative and text rendering.
#pragma once
#include <string>
#include <vector>

class Polynomial {
  public:
    static constexpr int capacity = 100;

    Polynomial();

    // Clears every slot, then copies `count` terms (clamped to 0..capacity).
    void setTerms(int count, const double *coefficients, const int *exponents);
    // Sum of coefficient * x^exponent from the last term to the first; exponents <= 0 give the coefficient.
    double evaluate(double x) const;
    // Becomes the derivative of the given terms (term 0, the constant, is dropped) and returns its text.
    std::string setDerivativeOf(int count, const double *coefficients, const int *exponents,
                                const std::string &variable, int precision);
    // Sets the terms and renders them, highest index first: "= 2.500e-01*x^2 - 2.000e+00*x + 1.500e+00".
    std::string toText(int count, const double *coefficients, const int *exponents,
                       const std::string &variable, int precision);

    int termCount() const { return termCount_; }
    const std::vector<double> &coefficients() const { return coefficients_; }
    const std::vector<int> &exponents() const { return exponents_; }

  private:
    std::string render(const std::string &variable, int precision) const;

    int termCount_ = 0;
    std::vector<int> exponents_;
    std::vector<double> coefficients_;
};
