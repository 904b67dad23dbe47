// The program's command line: -h/--help, -v/--version, --state LESSON,
// --picture FILE with --scale N, and nothing else.
//
// It is read before any application object exists, so that these answers
// need no display and load no platform plugin: read_command_line only
// parses. When the answer is not the window, main makes a QCoreApplication
// (never a platform) and answer_command_line prints it:
//   help     the usage on standard output, status 0;
//   version  "waves 0.1.0" on standard output, status 0;
//   error    one line naming the unknown option or the stray argument, then
//            the hint "Try 'waves --help' for more information.", both on
//            standard error, status 2; for a lesson that cannot be opened,
//            the one line "waves: --state: " and the reason.
// --state opens the window in a lesson written as in a link's fragment
// (core/app/lesson_state_text.h), e.g. --state 'A=3c1&B=1c3&t=2'.
// --picture FILE writes the window's picture instead of showing it
// (ui/window_picture.h), in the format of the file name's ending; --scale N
// (a whole number from 1 to 8, 2 when not given) is a PNG's device pixel
// ratio. A name with another ending, a scale out of range, a --scale with
// no PNG to apply to: one line "waves: --picture: ..." or "waves: --scale:
// ...", status 2.
// Every text goes through tr(), in the context "CommandLine", when it is
// printed, so that the translations installed by then speak; only the
// parser's rarest complaints (a value given to an option that takes none)
// are Qt's own English words.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/app/lesson_state.h"
#include "core/app/lesson_state_text.h"
#include "ui/window_picture.h"

namespace waves {

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { open_window, help, version, error };
    enum class Problem {
        unknown_option,
        stray_argument,
        refused_lesson,
        picture_name,      // what: the file name
        picture_scale,     // what: the scale as given
        scale_without_png, // what: the file name, or empty without --picture
        other
    };

    struct Picture {
        QString file;
        PictureFormat format = PictureFormat::png;
        int scale = kDefaultPictureScale;
    };

    struct Reading {
        Request request = Request::open_window;
        Problem problem = Problem::other;  // for Request::error
        QString what;  // the option or argument; for Problem::other, the parser's own sentence
        StateRefusal refusal;  // for Problem::refused_lesson
        std::optional<LessonState> lesson;  // the window's lesson, given with --state
        std::optional<Picture> picture;  // given with --picture: written, not shown
    };

    // The exit status of a command line that could not be read.
    static constexpr int kUsageError = 2;

    // What the arguments ask for; the first is the program's own name.
    static Reading read(const QStringList& arguments);

    // Prints the answer to a request other than open_window and returns the
    // exit status. REQUIRES: a QCoreApplication exists (for the help's
    // program name and, where installed, translations).
    static int answer(const Reading& reading);
};

}  // namespace waves
