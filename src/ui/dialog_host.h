// The questions, messages and file/colour dialogs the window shows, behind an
// interface so that tests can answer them without a user.
#pragma once
#include <QColor>
#include <QString>
#include <memory>
#include <optional>

#include "strings/messages.h"

class QFileDialog;
class QWidget;

namespace tilesmith {

// The answers to "Save changes?".
enum class SaveAnswer { save, discard, cancel };

class DialogHost {
public:
    virtual ~DialogHost() = default;
    // Open and save dialogs; `filter` in Qt's "Text (*.a *.b);;..." form, the
    // dialog starting in `folder` (empty: the working folder). Empty result:
    // cancelled. `default_suffix` is appended to a name typed without one.
    // `title` says what the dialog asks for (empty: the system's own title).
    virtual QString open_file(QWidget* parent, const QString& filter, const QString& folder,
                              const QString& title = {}) = 0;
    // The save dialog starts on `selected` (one line of `filter`, or empty for the first).
    virtual QString save_file(QWidget* parent, const QString& filter, const QString& default_suffix,
                              const QString& folder, const QString& selected = {}, const QString& title = {}) = 0;
    // Confirmation with Yes and No: true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // A choice of two buttons captioned `go` and `stay`, `stay` the default: true for `go`.
    virtual bool confirm(QWidget* parent, const QString& text, const QString& go, const QString& stay) = 0;
    // Save / Discard / Cancel, Save the default.
    virtual SaveAnswer save_changes(QWidget* parent, const QString& text) = 0;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& text) = 0;
    // The general error box titled "Tilesmith".
    virtual void error(QWidget* parent, const QString& text) = 0;
    // Colour dialog (full form); invalid QColor when cancelled.
    virtual QColor choose_color(QWidget* parent, const QColor& initial) = 0;
    // A whole number from `low` to `high`, offering `value`; nullopt when cancelled.
    virtual std::optional<int> ask_number(QWidget* parent, const QString& label, int value, int low, int high) = 0;
    // Hands a link (the feedback mailto:) to the desktop; tests record it instead.
    // False when no program could open it.
    virtual bool open_link(const QString& url);
    // The program's language, for the words the dialogs take from the string table.
    void set_language(Language language) { language_ = language; }

protected:
    Language language_ = Language::English;
};

// A save dialog of `filter` in `folder`, its accept button the program's own
// "Save" in `language` (Qt's Polish words differ); Qt's own dialog, its sizes
// and dates in `language` too.
std::unique_ptr<QFileDialog> make_save_dialog(QWidget* parent, const QString& filter, const QString& default_suffix,
                                              const QString& folder, const QString& title, Language language);

// The real dialogs (QFileDialog, QMessageBox, QColorDialog).
class QtDialogHost : public DialogHost {
public:
    QString open_file(QWidget* parent, const QString& filter, const QString& folder,
                      const QString& title = {}) override;
    QString save_file(QWidget* parent, const QString& filter, const QString& default_suffix,
                      const QString& folder, const QString& selected = {}, const QString& title = {}) override;
    bool question(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text, const QString& go, const QString& stay) override;
    SaveAnswer save_changes(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    QColor choose_color(QWidget* parent, const QColor& initial) override;
    std::optional<int> ask_number(QWidget* parent, const QString& label, int value, int low, int high) override;
};

}  // namespace tilesmith
