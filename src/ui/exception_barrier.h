// The one exception barrier of the editor: every slot Qt calls (menu items,
// tool buttons, dialog buttons, scroll bars, the idle hook) runs inside it, so
// nothing is ever thrown through Qt's event loop.
#pragma once
#include <QObject>
#include <functional>
#include <type_traits>
#include <utility>

#include "strings/messages.h"

class QWidget;

namespace tilesmith {

class DialogHost;

// Runs `body`. Whatever it throws ends it and is shown in the general error
// box over `over`, in `language`; nothing leaves this function.
void run_guarded(DialogHost& host, QWidget* over, Language language,
                 const std::function<void()>& body) noexcept;

// A barrier as a value, for widgets that run inside another's: runs `body`
// inside run_guarded with `over` as the error box's parent.
using Barrier = std::function<void(QWidget* over, const std::function<void()>& body)>;

// Connects `signal` so that `slot` runs as `barrier(body)`, where `barrier`
// ends in run_guarded. The slot may take the signal's arguments or none.
template <class Sender, class Signal, class Barrier, class Slot>
QMetaObject::Connection connect_through(const Sender* sender, Signal signal, const QObject* context,
                                        Barrier barrier, Slot slot) {
    return QObject::connect(sender, signal, context,
                            [barrier = std::move(barrier), slot = std::move(slot)](auto... args) {
                                barrier([&] {
                                    if constexpr (std::is_invocable_v<const Slot&, decltype(args)...>)
                                        slot(args...);
                                    else
                                        slot();
                                });
                            });
}

}  // namespace tilesmith
