// The effects' items in the Edit and Effects menus, where their places put them.
#include <QMenu>
#include <algorithm>
#include <map>
#include <stdexcept>

#include "ui/command_handlers.h"
#include "ui/command_map.h"
#include "ui/effect_places.h"
#include "ui/platform_keys.h"

namespace tilesmith {

namespace {

// An effect item's call, with its parameters checked once while the menu is built.
BoundEffect bind_item(const Effect& effect, const EffectItem& item) {
    EffectCall call = parse_effect(item_call(effect, item));
    if (!call.run) throw std::logic_error(std::string(effect.name) + ": " + call.error);
    return std::move(call.run);
}

}  // namespace

std::vector<CommandMap::EffectToolSlot> CommandMap::add_effects(EffectMenuRoot root, QMenu* menu) {
    std::vector<std::pair<const Effect*, const EffectPlace*>> placed;
    for (const Effect& e : effect_registry())
        if (const EffectPlace& place = place_of(e); place.root == root) placed.push_back({&e, &place});
    std::stable_sort(placed.begin(), placed.end(), [](const auto& a, const auto& b) { return a.second->rank < b.second->rank; });

    std::vector<EffectToolSlot> tools;
    std::map<const EffectSubmenu*, QMenu*> submenus;
    for (const auto& entry : placed) {
        const Effect* effect = entry.first;
        const EffectPlace* place = entry.second;
        QMenu* target = menu;
        if (place->submenu) {
            QMenu*& sub = submenus[place->submenu];
            if (!sub) {
                if (place->separator_before) menu->addSeparator();
                const EffectSubmenu& s = *place->submenu;
                sub = add_menu(menu, s.name, s.caption, s.icon);
                if (s.heading_name)
                    add_literal_item(sub, s.heading_name, QString::fromLatin1(s.heading), Icon::none, {})
                        ->setEnabled(false);
            }
            target = sub;
        } else if (place->separator_before) {
            menu->addSeparator();
        }
        for (std::size_t i = 0; i < effect->items.size(); ++i) {
            const EffectItem& item = effect->items[i];
            const EffectItemPlace& at = place->items[i];
            if (at.separator_before) target->addSeparator();
            // The undo step is named as its tool button's hint names it
            // ("Rotate 90 degrees"), else as the item is.
            const Phrase step = at.tool.hint        ? Phrase(*at.tool.hint)
                                : item.caption.message ? Phrase(*item.caption.message)
                                                       : Phrase(Msg::StepLiteral).arg(item.caption.literal);
            std::function<void()> handler;
            if (item.asks_colour) {
                handler = [this, step, effect, &item] { commands_.effect_asking_colour(step, *effect, item); };
            } else {
                handler = [this, step, run = bind_item(*effect, item)] { commands_.effect(step, run); };
            }
            const QKeySequence key(QString::fromLatin1(at.shortcut), QKeySequence::PortableText);
            QAction* action = item.caption.message
                                  ? add_item(target, at.name, *item.caption.message, {key}, at.icon, std::move(handler))
                                  : add_literal_item(target, at.name, QString::fromLatin1(item.caption.literal), at.icon,
                                                     std::move(handler));
            if (!item.caption.message) action->setShortcut(command_key(key));
            gated_.push_back({action, Operation::edit_target});
            if (at.tool.name) tools.push_back({action, &at.tool});
        }
    }
    return tools;
}

}  // namespace tilesmith
