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
// A barrier whose error box has its parent already: the window's parts run
// their slots through one (the window's own, with or without its refresh).
using Guard = std::function<void(const std::function<void()>& body)>;

// Calls `slot` with the signal's arguments when it takes them, else with none.
template <class Slot, class... Args>
void call_slot(const Slot& slot, const Args&... args) {
    if constexpr (std::is_invocable_v<const Slot&, const Args&...>)
        slot(args...);
    else
        slot();
}

// Connects `signal` so that `slot` runs as `barrier(body)`, where `barrier`
// ends in run_guarded. The slot may take the signal's arguments or none.
// Qt counts the arguments a functor takes by trying to call it: the adapter
// states its result type and accepts only what the slot can use, so the trial
// never has to compile a call the slot does not allow.
template <class Sender, class Signal, class Barrier, class Slot>
QMetaObject::Connection connect_through(const Sender* sender, Signal signal, const QObject* context,
                                        Barrier barrier, Slot slot) {
    return QObject::connect(
        sender, signal, context,
        [barrier = std::move(barrier), slot = std::move(slot)](const auto&... args) -> void
            requires(std::is_invocable_v<const Slot&, decltype(args)...> || std::is_invocable_v<const Slot&>)
        { barrier([&] { call_slot(slot, args...); }); });
}

}  // namespace tilesmith
