// The editor's main sequence: the application, the four forms in their order,
// the first show of the main window and the event loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QStringList>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "model/settings.h"
#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialog_host.h"
#include "ui/main_window.h"
#include "ui/dialogs/new_package_dialog.h"
#include "formats/format_registry.h"
#include "formats/supported_games.h"
#include "tilesmith_version.h"

namespace {

void name_the_application() {
    QCoreApplication::setApplicationName(QStringLiteral("Tilesmith"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILESMITH_VERSION));
}

// A first argument that starts with "-" is an option (help, version, or one
// we do not know); any other is the file to open, whatever it looks like.
bool starts_with_option(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first.size() > 1 && first[0] == '-';
}

// Answers the options without a window system, so that they work on a console
// and the manual page can be made from --help at build time. An option we do
// not know prints the usage and leaves with status 2, as tilesmith-cli does.
[[noreturn]] void answer_options(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in "\n" alone, as the command-line tool's do.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    QCoreApplication app(argc, argv);
    name_the_application();
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(
        "Edits texture packages: 24-bit images of 64 x 64 tiles, read from TGA, BMP, JPEG and\n"
        "PNG images, " + tilesmith::supported_games() + " levels and object packages, and written back as\n"
        "images or into a copy of a level."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QString::fromStdString("The source package to open (" +
                               tilesmith::extension_list(tilesmith::FormatRole::read) + ")."),
        QStringLiteral("[file]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "tilesmith: %s\n\n%s", qPrintable(parser.errorText()), qPrintable(parser.helpText()));
        std::exit(2);
    }
    // Printed here rather than by the parser, which on Windows puts them in a
    // message box when the program has no console.
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        std::exit(0);
    }
    if (parser.isSet(help)) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        std::exit(0);
    }
    parser.process(app);  // --help-all prints the answer and leaves
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (starts_with_option(argc, argv)) answer_options(argc, argv);
    // The level's 3D view keeps its OpenGL resources when its dock floats off the window.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    name_the_application();
    QGuiApplication::setDesktopFileName(QStringLiteral(TILESMITH_APP_ID));
    // Qt's standard buttons and the file and colour dialogs follow the
    // program's language switch (MainWindow), not the desktop's locale.
    tilesmith::QtDialogHost host;
    // config.dat lives beside the executable while it can be written there; the
    // first parameter, if any, is opened as the source package.
    tilesmith::MainWindow main_window(QCoreApplication::applicationDirPath(), host,
                                 QCoreApplication::arguments().mid(1));
    // Where config.dat goes when the program's folder cannot be written; the
    // per-user state goes into the same folder as config.dat.
    main_window.set_user_config_dir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    tilesmith::NewPackageDialog new_package_dialog(host, &main_window);
    tilesmith::AuthorDialog author_dialog(&main_window);
    tilesmith::HistoryDialog history_dialog(&main_window);
    main_window.set_forms(&new_package_dialog, &author_dialog, &history_dialog);

    // Settings, language and the command-line file before the window appears,
    // so a message about that file comes first.
    main_window.start_up();
    main_window.show();
    return app.exec();
}
