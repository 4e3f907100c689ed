// The exception barrier: an exception becomes the general error box.
#include "ui/exception_barrier.h"

#include <QString>
#include <exception>
#include <new>

#include "core/error.h"
#include "ui/dialog_host.h"

namespace tilesmith {

void run_guarded(DialogHost& host, QWidget* over, Language language,
                 const std::function<void()>& body) noexcept {
    // A failure to show the box itself (no memory left) is swallowed: the event
    // loop must go on either way.
    try {
        try {
            body();
        } catch (const Error& e) {
            host.error(over, QString::fromStdString(e.text(language)));
        } catch (const std::bad_alloc&) {
            const std::string_view none_left = text_of(Msg::NotEnoughMemory, language);
            host.error(over, QString::fromUtf8(none_left.data(), qsizetype(none_left.size())));
        } catch (const std::exception& e) {
            host.error(over, QString::fromUtf8(e.what()));
        } catch (...) {
            const std::string_view unknown = text_of(Msg::UnknownError, language);
            host.error(over, QString::fromUtf8(unknown.data(), qsizetype(unknown.size())));
        }
    } catch (...) {
    }
}

}  // namespace tilesmith
