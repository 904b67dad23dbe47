// Ctrl+P: the window on paper.
//
// Opens Qt's print dialog for a landscape sheet, A4, or Letter where the
// system's locale measures in the US system, and prints the window alone:
// its client area, scaled to the largest size the printable area holds and
// centred on the sheet, which is otherwise left white. The window is drawn
// again at the printer's resolution: captions and values as text, each
// graph's curves as vectors from its record (ui/vector_painting.h), so lines
// stay fine at any resolution. Cancelling the dialog prints nothing.
#pragma once

#include <QPrinter>
#include <QWidget>

namespace waves {

// Installs Ctrl+P on the window.
void install_window_print(QWidget& window);

// Prints the window on one sheet of the printer, as above, with the
// printer's settings as they are. Returns false when the printer could not
// be started.
bool print_window(QWidget& window, QPrinter& printer);

// A4 or Letter, landscape, at the printer's own resolution.
void prepare_printer(QPrinter& printer);

}  // namespace waves
