// The window's picture written to a file: `waves --picture FILE`.
//
// The file name's ending chooses the format (in any case):
//   .png  the client area's pixels, exactly as Ctrl+C copies them
//         (ui/picture_copy.h), at the device pixel ratio the program runs
//         at; use_picture_platform sets that ratio to the scale asked for,
//         so a scale of 2 has every line one device pixel wide in twice the
//         pixels each way, not an enlarged picture; the resolution is
//         96 dots per inch times the scale;
//   .svg  vectors: every control as QPainter draws it, captions and values
//         as real text, each graph's curves as polylines
//         (ui/vector_painting.h), on a canvas of the window's logical size
//         at 96 dots per inch;
//   .pdf  the same vectors on one page the size of the window at 96 dots
//         per inch, with no margins.
// The picture is written into the device given, which a caller makes a
// QSaveFile: nothing partial is ever left under the file's name.
#pragma once

#include <QIODevice>
#include <QString>
#include <QWidget>

#include <optional>

namespace waves {

enum class PictureFormat { png, svg, pdf };

inline constexpr int kMinPictureScale = 1;
inline constexpr int kMaxPictureScale = 8;
inline constexpr int kDefaultPictureScale = 2;

// The format a file name asks for, or none for any other ending.
std::optional<PictureFormat> picture_format_for(const QString& file_name);

// Before the application object exists: the offscreen platform, which needs
// no display and shows nothing, at a device pixel ratio of scale.
// REQUIRES: kMinPictureScale <= scale <= kMaxPictureScale.
void use_picture_platform(int scale);

// Writes the picture of the window, as it is now, into output. Returns
// false when the device refused the data.
// REQUIRES: output is open for writing.
bool write_window_picture(QWidget& window, PictureFormat format, QIODevice& output);

}  // namespace waves
