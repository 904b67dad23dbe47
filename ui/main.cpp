// Starts the program: one window, then the event loop until it is closed.
//
// The command line is read first, before anything needs a display:
// --help, --version, a wrong command line and a lesson that cannot be
// opened are answered without one (ui/command_line.h), with no platform
// plugin loaded.
//
// --picture FILE needs no display either: its file is opened first, before
// any platform (a file that cannot be written is said in one line, status
// 1), then the window is made on the offscreen platform, its picture
// written beside the file and renamed over it only when complete.
//
// Without a display Qt would abort with a core dump and a page of advice;
// instead the program says in one line that it needs a display and exits
// with status 1.
#include <QApplication>
#include <QCoreApplication>
#include <QSaveFile>
#include <QStringList>
#include <QStyleFactory>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "ui/appearance.h"
#include "ui/command_line.h"
#include "ui/main_window.h"
#include "ui/translations.h"
#include "ui/window_picture.h"

namespace waves {

namespace {

// Until the application object exists, Qt's own messages are held back:
// a failure to reach the display is reported as one line, fatal or not,
// in the user's language (Qt's reason itself is Qt's English).
bool starting = true;
QByteArray held_back_reason;
const QTranslator* start_up_translator = nullptr;

QByteArray no_display_message(const QByteArray& reason) {
    const char* source = QT_TRANSLATE_NOOP("StartUp", "cannot open a display (%1); run it on a desktop, or under xvfb-run.");
    QString text = start_up_translator != nullptr ? start_up_translator->translate("StartUp", source) : QString();
    if (text.isEmpty()) text = QString::fromLatin1(source);
    return text.arg(QString::fromLocal8Bit(reason)).toLocal8Bit();
}

void start_up_message_handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!starting) {
        qInstallMessageHandler(nullptr);
        qt_message_output(type, context, message);
        return;
    }
    if (held_back_reason.isEmpty() && type != QtDebugMsg && type != QtInfoMsg) {
        held_back_reason = message.section(QLatin1Char('\n'), 0, 0).toLocal8Bit();
    }
    if (type == QtFatalMsg) {
        const bool no_display_named = qEnvironmentVariableIsEmpty("DISPLAY") &&
                                      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                                      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
        const QByteArray reason = no_display_named ? QByteArrayLiteral("DISPLAY is not set") : held_back_reason;
        std::fprintf(stderr, "waves: %s\n", no_display_message(reason).constData());
        std::_Exit(1);
    }
}

// The one line of a picture that could not be written; status 1.
int picture_not_written(int argc, char* argv[], const QString& file, const QString& reason) {
    if (QCoreApplication::instance() == nullptr) {
        QCoreApplication application(argc, argv);
        install_translations(application);
        return picture_not_written(argc, argv, file, reason);
    }
    const QString text = QCoreApplication::translate("StartUp", "--picture: cannot write '%1': %2").arg(file, reason);
    std::fprintf(stderr, "waves: %s\n", text.toLocal8Bit().constData());
    return 1;
}

}  // namespace

}  // namespace waves

int main(int argc, char* argv[]) {
    using namespace waves;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const CommandLine::Reading command_line = CommandLine::read(arguments);
    if (command_line.request != CommandLine::Request::open_window) {
        // Core only: no platform, so no display is needed or opened.
        QCoreApplication application(argc, argv);
        install_translations(application);
        return CommandLine::answer(command_line);
    }

    std::unique_ptr<QSaveFile> picture_file;
    if (command_line.picture) {
        picture_file = std::make_unique<QSaveFile>(command_line.picture->file);
        if (!picture_file->open(QIODevice::WriteOnly)) {
            return picture_not_written(argc, argv, command_line.picture->file, picture_file->errorString());
        }
        use_picture_platform(command_line.picture->scale);
    }

    QTranslator early_translator;
    if (load_translation(early_translator)) start_up_translator = &early_translator;
    qInstallMessageHandler(start_up_message_handler);
    QApplication application(argc, argv);
    starting = false;
    start_up_translator = nullptr;
    qInstallMessageHandler(nullptr);

#ifdef WAVES_APP_ID
    QGuiApplication::setDesktopFileName(QStringLiteral(WAVES_APP_ID));
#endif
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    install_font_substitutes();
    install_translations(application);

    MainWindow window;
    if (command_line.lesson) window.open_lesson(*command_line.lesson);
    if (picture_file) {
        if (!write_window_picture(window, command_line.picture->format, *picture_file) || !picture_file->commit()) {
            return picture_not_written(argc, argv, command_line.picture->file, picture_file->errorString());
        }
        return 0;
    }
    window.show();
    return QApplication::exec();
}
