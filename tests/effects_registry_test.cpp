// The registry of effects: every menu item's parameters pass the parser the
// command line uses, effect names are unique, and the parser's answers.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "effects/effect_registry.h"

using namespace tilesmith;

TEST(EffectRegistry, EveryEffectHasItemsWhoseParametersParse) {
    for (const Effect& e : effect_registry()) {
        EXPECT_FALSE(e.items.empty()) << e.name << " cannot be reached from the menu";
        EXPECT_EQ(find_effect(e.name), &e);
        for (const EffectItem& item : e.items) {
            const EffectCall call = parse_effect(item_call(e, item, kWhite));
            EXPECT_TRUE(call.run) << e.name << " " << item.args << ": " << call.error;
        }
    }
}

TEST(EffectRegistry, ItemCallsAreWrittenAsTheCommandLineWritesThem) {
    const Effect& flip = *find_effect("flip");
    const Effect& diaphragm = *find_effect("diaphragm");
    EXPECT_EQ(item_call(*find_effect("blur"), find_effect("blur")->items[0]), "blur");
    EXPECT_EQ(item_call(flip, flip.items[1]), "flip:1");
    EXPECT_EQ(item_call(diaphragm, diaphragm.items[0], pack_rgb(10, 128, 255)), "diaphragm:0,0a80ff");
}

TEST(EffectRegistry, NamesOfEffectsAreUnique) {
    std::set<std::string> effects;
    for (const Effect& e : effect_registry()) EXPECT_TRUE(effects.insert(e.name).second) << e.name;
}

TEST(EffectRegistry, ParserAnswers) {
    const struct {
        const char* text;
        const char* error;  // "" when it binds
    } cases[] = {
        {"blur", ""},
        {"adjust_gamma:+7", ""},
        {"diaphragm:1,FFffFF", ""},
        {"blur:", "blur takes no parameters"},
        {"flip", "flip takes one parameter, MODE"},
        {"sharpen_channel:1", "sharpen_channel takes two parameters, CHANNEL,AMOUNT"},
        {"brighten_channel:1,32", ""},
        {"brighten_channel:1", "brighten_channel takes two parameters, CHANNEL,AMOUNT"},
        {"swap_channels:1", "swap_channels takes three parameters, R,G,B"},
        {"reduce_colors:0", "bad parameter for reduce_colors: STEP must be 1 to 255"},
        {"swap_channels:2,2,1", "bad parameter for swap_channels: R,G,B must name each of the channels 1, 2, 3 once"},
        {"diaphragm:0,12345", "bad parameter for diaphragm: the colour must be six hex digits RRGGBB"},
        {"sharpen", "unknown effect \"sharpen\""},
    };
    for (const auto& c : cases) {
        const EffectCall call = parse_effect(c.text);
        EXPECT_EQ(call.error, c.error) << c.text;
        EXPECT_EQ(bool(call.run), *c.error == 0) << c.text;
    }
}
