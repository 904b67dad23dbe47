// Starts the web page: one window, then the browser's own event loop calls
// back into it for every event of the page.
#include <emscripten.h>

#include "web/web_window.h"

namespace waves {

namespace {

WebWindow* window = nullptr;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void waves_spin(int id, int up) {
    if (window != nullptr) window->on_event(id, up != 0 ? ControlEvent::spin_up : ControlEvent::spin_down);
}

EMSCRIPTEN_KEEPALIVE void waves_click(int id) {
    if (window != nullptr) window->on_event(id, ControlEvent::click);
}

EMSCRIPTEN_KEEPALIVE void waves_graph_resized(int id, int width, int height) {
    if (window != nullptr) window->on_graph_resized(id, width, height);
}

EMSCRIPTEN_KEEPALIVE void waves_viewport_changed() {
    if (window != nullptr) window->on_viewport_changed();
}

EMSCRIPTEN_KEEPALIVE void waves_fragment_changed() {
    if (window != nullptr) window->on_fragment_changed();
}

EMSCRIPTEN_KEEPALIVE void waves_mean_key() {
    if (window != nullptr) window->on_mean_key();
}
}

}  // namespace waves

int main() {
    using namespace waves;
    // Lives as long as the page; the runtime stays up after main returns.
    window = new WebWindow();
    window->start();
    return 0;
}
