// The value of each wave at a horizontal position x (a phase in radians).
//
//   component_value(i, x) = (wave_a(i) / 10) x cos or sin(x x wave_f(i) / 10),
//       every step in double precision;
//   reference_value(x)    = (std_a / 10) x cos or sin(x x s),
//       where s = std_f / 10 is divided and rounded in single precision
//       (std_f = 13 gives s = 1.2999999523, not the double nearest 1.3);
//   component_sum(x)      = E, the sum of the four components, accumulated in
//       single precision: each term is added in double and the running sum
//       rounded back to float before the next, so E is bit for bit the value
//       plotted on the sum graph and the factor of E' = W x E.
//
// cos and sin are remembered by phase, so a phase asked for again (the
// graphs of an event share most of theirs, and the next event most of
// those) costs a look-up, with exactly the value the call gave.
#pragma once

#include "core/model/parameters.h"

namespace waves {

double component_value(const Parameters& params, int index, double x);
float reference_factor(const Parameters& params);
double reference_value(const Parameters& params, double x);
float component_sum(const Parameters& params, double x);

}  // namespace waves
