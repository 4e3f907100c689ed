// The editor's main sequence: the application, the four forms in their order,
// the first show of the main window and the event loop.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "ui/dialogs/author_dialog.h"
#include "ui/dialogs/history_dialog.h"
#include "ui/dialog_host.h"
#include "ui/main_window.h"
#include "ui/dialogs/new_package_dialog.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tilesmith"));
    // The standard buttons and the file and colour choosers speak the
    // desktop's language, as a platform's own dialogs do; our texts follow the
    // language option.
    QTranslator platform_texts;
    if (platform_texts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&platform_texts);

    tilesmith::QtDialogHost host;
    // config.dat lives beside the executable; the first parameter, if any, is
    // opened as the source package.
    tilesmith::MainWindow main_window(QCoreApplication::applicationDirPath(), host,
                                 QCoreApplication::arguments().mid(1));
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
