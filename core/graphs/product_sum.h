// A product of two waves written as a sum of waves, by the product-to-sum
// identities (f a component's frequency, g W's):
//
//   a cos(f x) x b cos(g x) = ab/2 cos((f - g) x) + ab/2 cos((f + g) x)
//   a sin(f x) x b sin(g x) = ab/2 cos((f - g) x) - ab/2 cos((f + g) x)
//   a cos(f x) x b sin(g x) = ab/2 sin((g - f) x) + ab/2 sin((f + g) x)
//   a sin(f x) x b cos(g x) = ab/2 sin((f - g) x) + ab/2 sin((f + g) x)
//
// A term of a negative frequency is written with its positive one (cos is
// even, sin odd, so a sine changes its sign); terms of one kind and one
// frequency are added up, a term that comes to 0 and a sine of frequency 0
// are left out, and a cosine of frequency 0 is the constant. So
// 5 cos(1 x) x 1 cos(1 x) reads "2.5 + 2.5 cos(2 x)", and 1 sin(0 x) x W,
// which is 0 everywhere, "0".
//
// Coefficients are counted exactly, in units of 1/200 (ab/2 is the
// product of two whole numbers of tenths over 200), and frequencies in
// tenths, the way the labels show them: W's frequency is its label's
// number, not the single-precision factor the graphs multiply by.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/model/parameters.h"

namespace waves {

struct SumTerm {
    std::int64_t coefficient = 0;  // in 1/200
    bool cosine = true;
    std::int64_t frequency = 0;  // tenths, >= 0
    friend bool operator==(const SumTerm&, const SumTerm&) = default;
};

// The terms of component index x W, by frequency, the cosine first at a
// frequency that has both. REQUIRES: 0 <= index < kComponentCount.
std::vector<SumTerm> product_terms(const Parameters& params, int index);
// The terms of E' = A' + B' + C' + D', added up the same way.
std::vector<SumTerm> sum_of_products_terms(const Parameters& params);

// "2.5 + 2.5 cos(2 x)", "-1 sin(0.5 x) + 0.25 cos(3 x)"; "0" for no term.
std::string sum_text(const std::vector<SumTerm>& terms);

}  // namespace waves
