// What the core itself computes for a sequence of events: the web page's
// tests compare the page, clicked in a real browser, against it.
//
//   core_expectations [--lesson=TEXT] [--state-only] [CONTROL:EVENT ...]
//
// runs start-up, opens the lesson TEXT if one is given, and then runs each
// event (CONTROL a layout name, EVENT one of up, down, click) through the
// handlers, on recording surfaces, and prints as JSON the lesson the
// window is in ("state", as a link writes it), and, unless --state-only,
// every value label's text, every graph's description and, for every
// graph, its frame and the samples of its curve with the curve's colour.
//
//   core_expectations --read-lessons
//
// reads one lesson text per line from standard input and prints for each,
// on a line of its own, either what a window opened in it shows (its
// labels and the names of its selected option buttons) or why it is
// refused, in English: {"refused": "..."}.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>
#include <variant>

#include "core/app/lesson_state.h"
#include "core/app/lesson_state_text.h"
#include "core/app/start_up.h"
#include "layout/control_events.h"
#include "layout/form_parts.h"
#include "layout/graph_descriptions.h"
#include "layout/layout_table.h"
#include "tests/support/recorded_form.h"

namespace waves {

namespace {

using waves::testing::DrawCall;
using waves::testing::Op;
using waves::testing::RecordedForm;

bool run_event(Form& form, std::string_view event) {
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
    Rgb colour{};
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

// Every value label's text, by its layout name.
void print_labels(RecordedForm& recorded) {
    const char* separator = "";
    std::printf("{");
    for (const ControlSpec& control : window_layout()) {
        TextLabel** slot = label_slot(recorded.form, control.name);
        if (slot == nullptr) continue;
        const auto* label = static_cast<const waves::testing::RecordingLabel*>(*slot);
        std::printf("%s%s: %s", separator, quoted(control.name).c_str(), quoted(label->text()).c_str());
        separator = ", ";
    }
    std::printf("}");
}

// The layout names of the option buttons a lesson selected, in the
// layout's order.
void print_checked(RecordedForm& recorded) {
    const char* separator = "";
    std::printf("[");
    for (const ControlSpec& control : window_layout()) {
        OptionSelection** slot = option_slot(recorded.form, control.name);
        if (slot == nullptr || !static_cast<const waves::testing::RecordingOption*>(*slot)->selected()) continue;
        std::printf("%s%s", separator, quoted(control.name).c_str());
        separator = ", ";
    }
    std::printf("]");
}

int read_lessons() {
    for (std::string line; std::getline(std::cin, line);) {
        const auto read = read_state_text(line);
        if (const auto* refusal = std::get_if<StateRefusal>(&read)) {
            std::printf("{\"refused\": %s}\n", quoted(waves::refusal_text(*refusal, refusal->reason)).c_str());
            continue;
        }
        RecordedForm recorded;
        Form_Load(recorded.form);
        open_in_state(recorded.form, std::get<LessonState>(read));
        std::printf("{\"labels\": ");
        print_labels(recorded);
        std::printf(", \"checked\": ");
        print_checked(recorded);
        std::printf("}\n");
    }
    return 0;
}

}  // namespace

}  // namespace waves

int main(int argc, char* argv[]) {
    using namespace waves;
    if (argc == 2 && std::string_view(argv[1]) == "--read-lessons") return read_lessons();
    RecordedForm recorded;
    Form_Load(recorded.form);
    bool state_only = false;
    for (int n = 1; n < argc; ++n) {
        const std::string_view argument = argv[n];
        if (argument == "--state-only") {
            state_only = true;
        } else if (argument.starts_with("--lesson=")) {
            const auto read = read_state_text(argument.substr(9));
            if (!std::holds_alternative<LessonState>(read)) {
                std::fprintf(stderr, "core_expectations: a lesson that cannot be opened: '%s'\n", argv[n]);
                return 2;
            }
            open_in_state(recorded.form, std::get<LessonState>(read));
        } else if (!run_event(recorded.form, argument)) {
            std::fprintf(stderr, "core_expectations: no handler for '%s'\n", argv[n]);
            return 2;
        }
    }
    const std::string state = state_text(lesson_state(recorded.form.params));
    if (state_only) {
        std::printf("{\"state\": %s}\n", quoted(state).c_str());
        return 0;
    }
    std::printf("{\"state\": %s,\n\"labels\": ", quoted(state).c_str());
    print_labels(recorded);
    std::printf(",\n\"descriptions\": {\n");
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
