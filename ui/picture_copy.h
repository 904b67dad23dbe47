// Pictures for a worksheet: the window's keys that copy what it shows to
// the clipboard, so that it can be pasted into a word processor.
//
//   Ctrl+C        the window's client area, as the screen shows it;
//   Ctrl+Shift+C  the picture of the graph that has the keyboard focus (its
//                 drawing area, without the frame around it); when no graph
//                 has the focus, the client area, as Ctrl+C.
//
// The clipboard gets one format, image/png: a PNG at the device pixel ratio
// (twice the pixels each way on a screen scaled 2x), whose resolution is set
// to 96 dots per inch times that ratio, so that a word processor places it
// at the same size at any ratio.
//
// A screen reader is told what was copied: the window holds a notice, a
// widget of no size with the accessible role of a notification, hidden
// until a copy, with one label inside. A copy sets the label's text
// ("Picture of the window copied", "Picture of the graph A copied") and
// shows the notice, which Qt's AT-SPI bridge reports as
// object:state-changed:showing of a notification: the event on which a
// screen reader reads a notification out. Orca speaks "notification" and
// the labels inside, shows them in braille and keeps them in its list of
// notifications (the label is what it reads: it leaves out a label whose
// text the notification's own name already holds, so the notice has no
// name). The notice hides again a few seconds later.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

namespace waves {

// The notice that tells assistive technology what was copied. Its texts are
// translated in the context "PictureCopyNotice" (QCoreApplication::translate),
// not through tr(), which would look them up under the class's qualified name.
class PictureCopyNotice final : public QWidget {
    Q_OBJECT

public:
    explicit PictureCopyNotice(QWidget& window);

    // Puts the message in the label and shows the notice afresh.
    void announce(const QString& message);

private:
    QLabel* text_;
    QTimer* hide_timer_;
};

// The image as PNG, its resolution 96 dots per inch times its device pixel
// ratio: the bytes a copy puts on the clipboard.
QByteArray png_with_resolution(QImage image);

// Installs the two keys on the window and the notice in it.
void install_picture_copy(QWidget& window);

}  // namespace waves
