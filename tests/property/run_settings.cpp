#include "tests/property/run_settings.h"

#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace waves::property {

std::optional<std::uint64_t> number_from_environment(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return std::nullopt;
    const std::string_view view(text);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc() || end != view.data() + view.size()) {
        ADD_FAILURE() << name << "=\"" << view << "\" is not a whole number; using the default";
        return std::nullopt;
    }
    return value;
}

std::uint64_t seed_from_clock() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

RunSettings run_settings(std::uint64_t default_events) {
    RunSettings settings;
    settings.seed = number_from_environment("WAVES_PROPERTY_SEED").value_or(seed_from_clock());
    settings.events = number_from_environment("WAVES_PROPERTY_EVENTS").value_or(default_events);
    return settings;
}

}  // namespace waves::property
