// The editor's main sequence: the application, the four forms in their order,
// the first show of the main window and the event loop.
#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStandardPaths>
#include <QStringList>
#include <cstdlib>
#include <string_view>

#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialog_host.h"
#include "ui/main_window.h"
#include "ui/dialogs/new_package_dialog.h"
#include "formats/format_registry.h"
#include "formats/qt_codecs.h"
#include "tilesmith_version.h"

namespace {

void name_the_application() {
    QCoreApplication::setApplicationName(QStringLiteral("Tilesmith"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TILESMITH_VERSION));
}

// Only a first argument that asks for help or the version is an option; any
// other is the file to open, whatever it looks like, as it always was.
bool asks_for_help_or_version(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    return first == "-h" || first == "--help" || first == "--help-all" || first == "-v" ||
           first == "--version";
}

// Answers --help and --version without a window system, so that they work
// on a console and the manual page can be made from them at build time.
[[noreturn]] void answer_help_or_version(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    name_the_application();
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Edits texture packages: 24-bit images of 64 x 64 tiles, read from TGA, BMP, JPEG and\n"
        "PNG images, Tomb Raider 2-5 levels and object packages, and written back as images or\n"
        "into a copy of a level."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QString::fromStdString("The source package to open (" +
                               tilesmith::extension_list(tilesmith::FormatRole::read) + ")."),
        QStringLiteral("[file]"));
    parser.process(app);  // prints the answer and leaves
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (asks_for_help_or_version(argc, argv)) answer_help_or_version(argc, argv);
    QApplication app(argc, argv);
    // Before any job can decode a picture on a worker thread.
    tilesmith::set_picture_allocation_limit();
    name_the_application();
    QGuiApplication::setDesktopFileName(QStringLiteral(TILESMITH_APP_ID));
    // Qt's standard buttons and the file and colour dialogs follow the
    // program's language switch (MainWindow), not the desktop's locale.
    tilesmith::QtDialogHost host;
    // config.dat lives beside the executable while it can be written there; the
    // first parameter, if any, is opened as the source package.
    tilesmith::MainWindow main_window(QCoreApplication::applicationDirPath(), host,
                                 QCoreApplication::arguments().mid(1));
    // Where config.dat goes when the program's folder cannot be written.
    main_window.set_user_config_dir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    tilesmith::NewPackageDialog filenew(main_window.workspace(), host, &main_window);
    tilesmith::AuthorDialog autor(&main_window);
    tilesmith::HistoryDialog his(&main_window);
    main_window.set_forms(&filenew, &autor, &his);

    // Settings, language and the command-line file before the window appears,
    // so a message about that file comes first.
    main_window.FormShow();
    main_window.show();
    return app.exec();
}
