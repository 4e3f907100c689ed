// Shared by the main-window tests: the QApplication, a scripted dialog host,
// and small helpers for actions, packages and files.
#pragma once
#include <gtest/gtest.h>

#include <stdlib.h>

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/package.h"
#include "strings/strings.h"
#include "support/test_files.h"
#include "support/workspace_setup.h"
#include "ui/dialog_host.h"
#include "ui/main_window.h"

// Under LeakSanitizer: fontconfig keeps a few of its allocations until the
// process ends; they are not ours. (Include this header in one file per test.)
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

namespace tilesmith::test {

inline QApplication& app() {
    static int argc = 1;
    static char name[] = "gui_window_test";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // A first start follows the desktop's language: the window tests start Polish, as designed.
    qputenv("LC_ALL", "pl_PL.UTF-8");
    // Per-user settings (the dialogs' folders) go to a test location, never
    // the user's own, and one of this program's own: test programs run side
    // by side must not read each other's folders.
    QStandardPaths::setTestModeEnabled(true);
    static const TempDir settings_folder;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(settings_folder.path()));
    // Never destroyed: at exit Qt's own global objects go first, and an
    // application torn down after them crashes in its clean-up routines.
    static QApplication* instance = new QApplication(argc, argv);
    return *instance;
}

inline QString qs(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }
inline QString entry(int i) { return qs(lang_text(i)); }

// Answers every dialog from queues (empty queue: cancel / No / Discard) and
// records what the window asked.
class FakeHost : public DialogHost {
public:
    std::deque<QString> open_answers, save_answers;
    std::deque<bool> question_answers;
    std::deque<SaveAnswer> save_change_answers;
    std::deque<QColor> colour_answers;
    std::deque<int> number_answers;
    QStringList open_filters, save_filters, save_suffixes, open_folders, save_folders, questions,
        save_questions, warnings, informations, errors, links, save_selected, open_titles, save_titles;
    std::vector<QColor> colour_initials;

    QString open_file(QWidget*, const QString& filter, const QString& folder, const QString& title) override {
        open_titles << title;
        open_filters << filter;
        open_folders << folder;
        return pop(open_answers, QString());
    }
    QString save_file(QWidget*, const QString& filter, const QString& suffix, const QString& folder,
                      const QString& selected, const QString& title) override {
        save_titles << title;
        save_selected << selected;
        save_filters << filter;
        save_suffixes << suffix;
        save_folders << folder;
        return pop(save_answers, QString());
    }
    bool question(QWidget*, const QString& text) override {
        questions << text;
        return pop(question_answers, false);
    }
    bool confirm(QWidget*, const QString& text, const QString&, const QString&) override {
        questions << text;
        return pop(question_answers, false);
    }
    SaveAnswer save_changes(QWidget*, const QString& text) override {
        save_questions << text;
        return pop(save_change_answers, SaveAnswer::discard);
    }
    void warning(QWidget*, const QString& text) override { warnings << text; }
    void information(QWidget*, const QString& text) override { informations << text; }
    void error(QWidget*, const QString& text) override { errors << text; }
    QColor choose_color(QWidget*, const QColor& initial) override {
        colour_initials.push_back(initial);
        return pop(colour_answers, QColor());
    }
    bool open_link(const QString& url) override {
        links << url;
        return true;
    }
    std::optional<int> ask_number(QWidget*, const QString& label, int, int, int) override {
        questions << label;
        if (number_answers.empty()) return std::nullopt;
        return pop(number_answers, 0);
    }

private:
    template <class T>
    static T pop(std::deque<T>& q, T none) {
        if (q.empty()) return none;
        T v = q.front();
        q.pop_front();
        return v;
    }
};

// A shown main window over a temporary executable folder.
class WindowTest : public ::testing::Test {
protected:
    WindowTest() { app(); }
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // The window at its designed size, where the tests place things.
    MainWindow& open(const QStringList& arguments = {}) {
        window = std::make_unique<MainWindow>(dir.path(), host, arguments);
        window->show();
        // The menu bar takes its height once shown.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        window->resize(window->designed_size());
        // A file named on the command line opens once the window shows.
        if (!arguments.isEmpty()) {
            QCoreApplication::processEvents();
            wait_for_jobs();
        }
        return *window;
    }
    // The window at the size it takes itself (a share of the screen, or as last left).
    MainWindow& open_at_own_size() {
        window = std::make_unique<MainWindow>(dir.path(), host);
        window->show();
        return *window;
    }
    Workspace& ws() { return window->workspace(); }
    QAction* action(const char* name) {
        QAction* a = window->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }
    // Triggers the action and waits for the job it starts, if any, and for
    // the jobs its commit starts in turn: every file is read and written on a worker.
    void trigger(const char* name) {
        if (QAction* a = action(name)) a->trigger();
        wait_for_jobs();
    }
    void wait_for_jobs() {
        while (window && window->job_running()) QTest::qWait(2);
    }
    QString path(const char* file) const { return dir.filePath(QString::fromLatin1(file)); }
    // The same as the recent list shows it, with the system's separators.
    QString shown_path(const char* file) const { return QDir::toNativeSeparators(path(file)); }

    QTemporaryDir dir;
    FakeHost host;
    std::unique_ptr<MainWindow> window;
};

// A mouse press (and release) at panel pixel `at`, as the window system delivers it.
inline void click(QWidget* w, Qt::MouseButton button, QPoint at) {
    const QPointF local(at), global(w->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

// A 24-bit uncompressed TGA, rows bottom-up, pixel (x, y) from `colour`.
template <class F>
void write_tga(const QString& path, int w, int h, F colour) {
    QByteArray bytes(18, '\0');
    bytes[2] = 2;
    bytes[12] = char(w & 0xFF);
    bytes[13] = char(w >> 8);
    bytes[14] = char(h & 0xFF);
    bytes[15] = char(h >> 8);
    bytes[16] = 24;
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const PackedColor c = colour(x, y);
            bytes.append(char(blue_of(c)));
            bytes.append(char(green_of(c)));
            bytes.append(char(red_of(c)));
        }
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A pattern with a different colour in every pixel of a tile.
inline PackedColor pattern(int x, int y) {
    return pack_rgb(std::uint8_t(x * 3 + y), std::uint8_t(y * 5), std::uint8_t(x ^ y));
}

inline void fill_pattern(Package& p) {
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) p.set_pixel(x, y, pattern(x, y));
}

// A package of the window's first size with `pattern` in every pixel.
inline Package patterned(int w = 256, int h = 512) {
    Package p(w, h);
    fill_pattern(p);
    return p;
}


}  // namespace tilesmith::test
