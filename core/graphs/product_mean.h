// The mean of each product graph over its span, exactly: the number a
// Fourier coefficient, a lock-in amplifier or a mixer picks out.
//
// Over [0, L], L = x_end = 2 x pi_value x t_span (frames.h), the mean of
// cos(k x) is sin(k L) / (k L) and the mean of sin(k x) is
// (1 - cos(k L)) / (k L) = 2 sin^2(k L / 2) / (k L); at k = 0 they are 1
// and 0. The product of component i with W is a sum of such waves
// (product_sum.h), so its mean is that sum of means, with the frequencies
// the graphs are drawn with: f = wave_f(i) / 10 in double precision and W's
// single-precision factor g = std_f / 10 (wave_values.h), k = f - g and
// f + g. A component that matches W (f = g, both cos or both sin) has the
// mean ab/2, give or take what the wave of frequency 2f leaves over the
// span; one of cos against sin, or of a frequency a whole number of
// periods over the span away from W's, a mean close to 0; any other leaks
// away from 0.
//
// E''s mean is the sum of the four (the mean is linear): the exact sum
// A' + B' + C' + D', not the single-precision W x E that its graph plots.
#pragma once

#include <string>

#include "core/model/parameters.h"

namespace waves {

// REQUIRES: 0 <= index < kComponentCount.
double product_mean(const Parameters& params, int index);
double sum_of_products_mean(const Parameters& params);

// A mean as the descriptions and the overlay write it: rounded to three
// decimals, with no trailing zeros ("2.5", "-0.125", "59.405"); a value that
// rounds to zero is "0", never "-0".
std::string mean_text(double mean);

}  // namespace waves
