// What the core itself computes for a sequence of events: the web page's
// tests compare the page, clicked in a real browser, against it.
//
//   core_expectations [CONTROL:EVENT ...]
//
// runs start-up and then each event (CONTROL a layout name, EVENT one of up,
// down, click) through the handlers, on recording surfaces, and prints as
// JSON every value label's text, every graph's description and, for every
// graph, its frame and the samples of its curve with the curve's colour.
#include <cstdio>
#include <string>
#include <string_view>

#include "app/start_up.h"
#include "layout/control_events.h"
#include "layout/graph_descriptions.h"
#include "recorded_form.h"

namespace {

using waves::testing::DrawCall;
using waves::testing::Op;
using waves::testing::RecordedForm;

bool run_event(waves::Form& form, std::string_view event) {
    const std::size_t colon = event.rfind(':');
    if (colon == std::string_view::npos) return false;
    const std::string_view control = event.substr(0, colon);
    const std::string_view kind = event.substr(colon + 1);
    const ControlEvent wanted = kind == "up" ? ControlEvent::spin_up
                                : kind == "down" ? ControlEvent::spin_down
                                                 : ControlEvent::click;
    if (kind != "up" && kind != "down" && kind != "click") return false;
    bool found = false;
    for (const ControlHandler& handler : control_handlers()) {
        if (handler.control != control || handler.event != wanted) continue;
        handler.handler(form, handler.index);
        found = true;
    }
    return found;
}

// Names and descriptions hold no character that JSON must escape but ".
std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

void print_graph(const waves::testing::RecordingSurface& surface, bool last) {
    const auto& scale = surface.scale();
    std::printf("  %s: {\"scale\": [%.9g, %.9g, %.9g, %.9g], ", quoted(surface.name()).c_str(),
                static_cast<double>(scale[0]), static_cast<double>(scale[1]), static_cast<double>(scale[2]),
                static_cast<double>(scale[3]));
    waves::Rgb colour{};
    for (const DrawCall& call : surface.picture()) {
        if (call.op == Op::set_pen_colour) colour = call.colour;
    }
    std::printf("\"colour\": [%d, %d, %d], \"samples\": [", colour.red, colour.green, colour.blue);
    const std::vector<DrawCall> curve = waves::testing::samples(surface.picture());
    for (std::size_t n = 0; n < curve.size(); ++n) {
        std::printf("%s[%.9g, %.9g]", n == 0 ? "" : ", ", static_cast<double>(curve[n].args[0]),
                    static_cast<double>(curve[n].args[1]));
    }
    std::printf("]}%s\n", last ? "" : ",");
}

}  // namespace

int main(int argc, char* argv[]) {
    RecordedForm recorded;
    waves::Form_Load(recorded.form);
    for (int n = 1; n < argc; ++n) {
        if (!run_event(recorded.form, argv[n])) {
            std::fprintf(stderr, "core_expectations: no handler for '%s'\n", argv[n]);
            return 2;
        }
    }
    std::printf("{\"labels\": {\n");
    for (std::size_t i = 0; i < waves::kComponentCount; ++i) {
        std::printf("  \"Labela(%zu)\": %s, \"Labelb(%zu)\": %s,\n", i, quoted(recorded.Labela[i].text()).c_str(), i,
                    quoted(recorded.Labelb[i].text()).c_str());
    }
    std::printf("  \"labelt\": %s, \"value_std_a\": %s, \"value_std_b\": %s},\n",
                quoted(recorded.labelt.text()).c_str(), quoted(recorded.value_std_a.text()).c_str(),
                quoted(recorded.value_std_b.text()).c_str());
    std::printf("\"descriptions\": {\n");
    const auto descriptions = graph_descriptions(recorded.form.params, SourceTexts());
    for (std::size_t n = 0; n < descriptions.size(); ++n) {
        std::printf("  %s: %s%s\n", quoted(descriptions[n].first).c_str(), quoted(descriptions[n].second).c_str(),
                    n + 1 < descriptions.size() ? "," : "");
    }
    std::printf("},\n\"graphs\": {\n");
    const auto surfaces = recorded.surfaces();
    for (std::size_t n = 0; n < surfaces.size(); ++n) print_graph(*surfaces[n], n + 1 == surfaces.size());
    std::printf("}}\n");
    return 0;
}
