#pragma once
// Least-squares polynomials in extended precision. The fixed vectors and matrices hold up to
// MaxPolyTerms entries indexed from 1 (entry 0 is unused), so that the routines read like the
// textbook formulas they follow. Plain numeric code: no chart, no platform.
#include <array>
#include <span>

constexpr int MaxPolyTerms = 20;
using TPolyVector = std::array<long double, MaxPolyTerms + 1>;
using TPolyMatrix = std::array<TPolyVector, MaxPolyTerms + 1>;

// out[1] = 1 and out[k] = x * out[k - 1] up to k = n (n < 2 gives only out[1]).
void FillPowers(int n, long double x, TPolyVector& out);

// The sum of coefficients[k] * x^(k - 1) for k = 1 .. n.
long double EvaluatePolynomial(int n, const TPolyVector& coefficients, long double x);

// Gauss elimination with partial pivoting of the n x n system a x = b (both are overwritten).
// Returns the determinant; 0 when a pivot falls below tolerance, and then the solution is left
// as it was.
long double SolveLinearSystem(int n, TPolyMatrix& a, TPolyVector& b, long double tolerance,
                              TPolyVector& solution);

// The coefficients (lowest power first) of the polynomial of terms coefficients that fits the
// points (x[i], y[i]) best in the least-squares sense, through the normal equations. False when
// the fit has no unique answer, or when the normal equations are so ill-conditioned that even
// extended precision cannot give the coefficients to about seven digits: a refused fit is
// better than a curve of rounding noise. terms is 1 .. MaxPolyTerms.
bool FitPolynomial(std::span<const long double> x, std::span<const long double> y, int terms,
                   TPolyVector& coefficients);
