// How a run of random events is set up from its surroundings, shared by the
// property test and the soak of the real window: the seed and the number of
// events, read from the environment,
//   WAVES_PROPERTY_SEED    the seed (default: taken from the clock)
//   WAVES_PROPERTY_EVENTS  how many events (default: the caller's)
// so that a run that failed is repeated by setting its seed.
//
// A variable that is set but is not a whole number is reported to GoogleTest
// as a failure of the running test, and the run goes on with its default.
#pragma once

#include <cstdint>
#include <optional>

namespace waves::property {

struct RunSettings {
    std::uint64_t seed = 0;
    std::uint64_t events = 0;
};

// The seed and length of this run, from the environment or by default.
RunSettings run_settings(std::uint64_t default_events);

// The value of the environment variable `name` as a whole number; nullopt
// when it is not set or empty; a test failure (and nullopt) when it is set
// but not a whole number.
std::optional<std::uint64_t> number_from_environment(const char* name);

// A seed that differs from run to run: the system clock's current count.
std::uint64_t seed_from_clock();

}  // namespace waves::property
