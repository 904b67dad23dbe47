#include "ui/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <cstdio>
#include <optional>
#include <utility>
#include <variant>

namespace waves {

#ifndef WAVES_VERSION
#error "WAVES_VERSION must be defined: the project's version"
#endif

namespace {

const QString kProgramName = QStringLiteral("waves");

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, CommandLine::tr("Shows this help and exits.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               CommandLine::tr("Shows the program's name and version and exits.")};
    QCommandLineOption state{QStringLiteral("state"),
                             CommandLine::tr("Opens the window in the lesson written as in a link, e.g. "
                                             "'A=3c1&B=1c3&t=2' (see the manual page)."),
                             CommandLine::tr("lesson")};
    QCommandLineOption picture{QStringLiteral("picture"),
                               CommandLine::tr("Writes the window's picture to the file instead of showing the "
                                               "window, as PNG, SVG or PDF by the name's ending."),
                               CommandLine::tr("file")};
    QCommandLineOption scale{QStringLiteral("scale"),
                             CommandLine::tr("Device pixels per pixel of a PNG picture, 1 to 8 (default 2)."),
                             CommandLine::tr("n")};

    Parser() {
        // "-platform" is reported as the option 'platform', not as the
        // unknown letters p, l, a, t, f, o, r, m.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(help);
        parser.addOption(version);
        parser.addOption(state);
        parser.addOption(picture);
        parser.addOption(scale);
        parser.setApplicationDescription(CommandLine::tr(
            "Shows how waves add up and how they multiply: four waves A to D, their sum E,\n"
            "and their products with a reference wave W, redrawn at every click.\n"
            "\n"
            "Tab moves through the controls, Up and Down step the arrows, Space or Enter\n"
            "presses RESET. Ctrl+C copies the picture of the window to the clipboard,\n"
            "Ctrl+Shift+C the picture of the graph that has the keyboard focus. M draws\n"
            "the mean of each product over the span, or hides it. Ctrl+P prints the\n"
            "window. Ctrl+plus, Ctrl+minus and Ctrl+0 make the window larger, smaller\n"
            "and again its own size; F11 fills the screen with it, or ends that."));
    }
};

// In the language of the translations installed by now.
QString problem_text(const CommandLine::Reading& reading) {
    switch (reading.problem) {
        case CommandLine::Problem::unknown_option: return CommandLine::tr("Unknown option '%1'.").arg(reading.what);
        case CommandLine::Problem::stray_argument: return CommandLine::tr("Unexpected argument '%1'.").arg(reading.what);
        case CommandLine::Problem::refused_lesson: {
            const QString reason = QCoreApplication::translate("LessonState", reading.refusal.reason);
            return QStringLiteral("--state: ") +
                   QString::fromStdString(refusal_text(reading.refusal, reason.toStdString()));
        }
        case CommandLine::Problem::picture_name:
            return QStringLiteral("--picture: ") +
                   CommandLine::tr("'%1' does not end in .png, .svg or .pdf.").arg(reading.what);
        case CommandLine::Problem::picture_scale:
            return QStringLiteral("--scale: ") +
                   CommandLine::tr("'%1' is not a whole number from %2 to %3.")
                       .arg(reading.what)
                       .arg(kMinPictureScale)
                       .arg(kMaxPictureScale);
        case CommandLine::Problem::scale_without_png:
            if (reading.what.isEmpty()) return QStringLiteral("--scale: ") + CommandLine::tr("there is no --picture to scale.");
            return QStringLiteral("--scale: ") +
                   CommandLine::tr("only a PNG picture has a scale, not '%1'.").arg(reading.what);
        case CommandLine::Problem::other: break;
    }
    return reading.what;
}

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The picture asked for, into reading.picture; the error when it cannot be.
std::optional<CommandLine::Reading> read_picture(const Parser& reader, CommandLine::Reading& reading) {
    using Problem = CommandLine::Problem;
    const auto error = [](Problem problem, QString what) {
        CommandLine::Reading refused;
        refused.request = CommandLine::Request::error;
        refused.problem = problem;
        refused.what = std::move(what);
        return std::optional<CommandLine::Reading>(std::move(refused));
    };
    const bool scaled = reader.parser.isSet(reader.scale);
    if (!reader.parser.isSet(reader.picture)) {
        if (scaled) return error(Problem::scale_without_png, QString());
        return std::nullopt;
    }
    CommandLine::Picture picture;
    picture.file = reader.parser.value(reader.picture);
    const auto format = picture_format_for(picture.file);
    if (!format) return error(Problem::picture_name, picture.file);
    picture.format = *format;
    if (scaled) {
        if (picture.format != PictureFormat::png) return error(Problem::scale_without_png, picture.file);
        const QString given = reader.parser.value(reader.scale);
        bool number = false;
        const int scale = given.toInt(&number);
        if (!number || scale < kMinPictureScale || scale > kMaxPictureScale) {
            return error(Problem::picture_scale, given);
        }
        picture.scale = scale;
    }
    reading.picture = picture;
    return std::nullopt;
}

}  // namespace

CommandLine::Reading CommandLine::read(const QStringList& arguments) {
    Parser reader;
    if (!reader.parser.parse(arguments)) {
        const QStringList unknown = reader.parser.unknownOptionNames();
        if (!unknown.isEmpty()) return {Request::error, Problem::unknown_option, unknown.first()};
        return {Request::error, Problem::other, reader.parser.errorText()};
    }
    const QStringList stray = reader.parser.positionalArguments();
    if (!stray.isEmpty()) return {Request::error, Problem::stray_argument, stray.first()};
    if (reader.parser.isSet(reader.help)) return {Request::help, {}};
    if (reader.parser.isSet(reader.version)) return {Request::version, {}};
    Reading reading;
    if (const auto problem = read_picture(reader, reading)) return *problem;
    if (reader.parser.isSet(reader.state)) {
        auto lesson = read_state_text(reader.parser.value(reader.state).toStdString());
        if (auto* refusal = std::get_if<StateRefusal>(&lesson)) {
            reading.request = Request::error;
            reading.problem = Problem::refused_lesson;
            reading.refusal = std::move(*refusal);
        } else {
            reading.lesson = std::get<LessonState>(lesson);
        }
    }
    return reading;
}

int CommandLine::answer(const Reading& reading) {
    switch (reading.request) {
        case Request::help: {
            // Made now, so that its texts are those of the translations
            // installed by then.
            Parser writer;
            print(stdout, writer.parser.helpText());
            return 0;
        }
        case Request::version:
            print(stdout, QStringLiteral("%1 %2\n").arg(kProgramName, QStringLiteral(WAVES_VERSION)));
            return 0;
        case Request::error: {
            QString text = QStringLiteral("%1: %2\n").arg(kProgramName, problem_text(reading));
            // A lesson's or a picture's reason is all there is to say.
            const bool said_in_full = reading.problem == Problem::refused_lesson ||
                                      reading.problem == Problem::picture_name ||
                                      reading.problem == Problem::picture_scale ||
                                      reading.problem == Problem::scale_without_png;
            if (!said_in_full) {
                text += tr("Try '%1 --help' for more information.").arg(kProgramName) + QLatin1Char('\n');
            }
            print(stderr, text);
            return kUsageError;
        }
        case Request::open_window: break;
    }
    return 0;
}

}  // namespace waves
