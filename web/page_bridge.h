// The calls from the program into its web page (page.js) and back.
//
// The page holds no data of its own: every position, caption, colour, font
// and name comes through these calls from the layout tables. Strings are
// UTF-8; an id is the control's index in the layout table.
#pragma once

#include <cstdint>

namespace waves {

extern "C" {

// Into the page ------------------------------------------------------------

// The window: its frame of outer_width x outer_height CSS px, a caption bar
// with the title, and a client area of client_width x client_height in the
// given background colour (a CSS colour).
void waves_page_open_window(const char* title, double outer_width, double outer_height, double client_width,
                            double client_height, double border, const char* background);
// Shows the window, with its text, borders and every position in it, at
// scale times the size it was opened with; each canvas then reports the
// device pixels it covers (waves_graph_resized).
void waves_page_zoom_window(double scale);
// Places the window's outer top-left corner, in CSS px from the page's.
void waves_page_place_window(double left, double top);
double waves_page_viewport_width();
double waves_page_viewport_height();

// The element of the control called name (kind: the layout's ControlKind),
// nested in the element parent (-1: the client area), at left, top with the
// given size, all in CSS px, and with the given stacking level.
void waves_page_add_control(int id, const char* name, int kind, int parent, double left, double top, double width,
                            double height, int stacking, const char* caption);
// Colours are CSS colours; an empty one is the platform's own button face
// (background) or button text (colour). align: 0 left, 1 right, 2 centred.
void waves_page_style_control(int id, const char* background, const char* colour, const char* font_family,
                              int font_pixels, int italic, int weight, int align, int transparent);
void waves_page_name_control(int id, const char* name, const char* description);
void waves_page_own(int owner, int owned);
void waves_page_set_subject(int label, const char* subject);
void waves_page_set_text(int id, const char* text);
void waves_page_set_value(int spin_button, const char* text);
void waves_page_set_checked(int id, int checked);
void waves_page_set_description(int id, const char* text);
// Shows width x height RGBA pixels on the canvas id, one canvas pixel to
// each.
void waves_page_show_picture(int id, const std::uint32_t* pixels, int width, int height);
// Writes text over the picture of the graph id, at the right end of the
// line at height_fraction of it (0 the top edge, 1 the bottom), in the
// font family (a CSS font stack) of font_pixels CSS px at the window's own
// size and the colour (a CSS colour): the caption of the mean's line, drawn
// after its picture.
void waves_page_show_mean_caption(int id, const char* text, double height_fraction, int font_pixels,
                                  const char* font_family, const char* colour);
// From now on the key M anywhere in the page calls waves_mean_key.
void waves_page_listen_for_mean_key();
// The page's own tools, which need nothing from the program but its window
// and its canvases: the caption bar's button that shows the lesson's link
// as a QR code (page_share.js), the keys Ctrl+C and Ctrl+Shift+C that copy
// the window's or the focused graph's picture (page_copy.js), and printing
// the window alone on one sheet (page_print.js).
void waves_page_offer_share();
void waves_page_offer_copy();
void waves_page_offer_print();
// The page's URL fragment without its '#', percent-decoded where it can
// be, as *length bytes of UTF-8 (a decoded fragment may hold a NUL) that
// the caller frees with free(); nullptr where there is none.
char* waves_page_fragment(int* length);
// Keeps the lesson's text in the URL fragment, without a history entry.
void waves_page_keep_state(const char* text);
// Shows the sentence that says why the link's lesson was refused, with
// reason (in the page's language) in it; an empty reason hides it.
void waves_page_refuse_state(const char* reason);
// Start-up is done: the page is ready for the user once every canvas has
// reported its size and got its picture at that size.
void waves_page_ready();
// Start-up could not complete: the page says so instead of staying blank.
void waves_page_fail(const char* reason);
// The text for source in context in the page's language, as a string the
// caller frees with free(); source itself where the page has none.
char* waves_page_translate(const char* context, const char* source);

// Back from the page -------------------------------------------------------

void waves_spin(int id, int up);
void waves_click(int id);
// The canvas of the graph id covers width x height device pixels, first
// when it is shown and then whenever that changes.
void waves_graph_resized(int id, int width, int height);
void waves_viewport_changed();
// The URL fragment was changed from outside the page (a link followed, an
// address edited, the history walked).
void waves_fragment_changed();
// The key M: the means over the product graphs on or off.
void waves_mean_key();
}

}  // namespace waves
