// The string table and the caption matcher of the language switch.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "strings/languages.h"
#include "strings/phrase.h"
#include "strings/strings.h"

namespace tilesmith {
namespace {

constexpr int kUnusedPl = 156, kUnusedEn = 157;

// Lead bytes of two to four bytes followed by as many continuation bytes.
bool is_valid_utf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i++]);
        int extra = 0;
        if (c >= 0xF0 && c < 0xF8) extra = 3;
        else if (c >= 0xE0) extra = c < 0xF0 ? 2 : -1;
        else if (c >= 0xC2) extra = 1;
        else if (c >= 0x80) extra = -1;
        if (extra < 0 || s.size() - i < std::size_t(extra)) return false;
        for (; extra > 0; --extra)
            if ((static_cast<unsigned char>(s[i++]) & 0xC0) != 0x80) return false;
    }
    return true;
}

TEST(StringTable, HasEveryEntryAndNothingOutside) {
    // The designed 182 entries, then the pairs appended after them.
    EXPECT_GE(kStringCount, 182);
    EXPECT_EQ(kStringCount % 2, 0);
    EXPECT_TRUE(lang_text(-1).empty());
    EXPECT_TRUE(lang_text(kStringCount).empty());
    for (int e = 0; e < kStringCount; ++e) {
        SCOPED_TRACE(e);
        EXPECT_EQ(lang_text(e).empty(), e == kUnusedPl || e == kUnusedEn);
        EXPECT_TRUE(is_valid_utf8(lang_text(e)));
    }
}

TEST(StringTable, KeepsTextsExactly) {
    // The Polish words as designed, with no space before "!" and "?"; menu captions with their mnemonics.
    EXPECT_EQ(lang_text(6), "Nie można załadować pliku! Błędny rozmiar obrazu lub nieprawidłowa głębia kolorów!");
    EXPECT_EQ(lang_text(7), "Cannot load the file: the image size or colour depth is not supported.");
    EXPECT_EQ(lang_text(8), "Nie można załadować pliku! Nierozpoznawalny format obrazu!");
    EXPECT_EQ(lang_text(9), "Cannot load the file: unknown image type.");
    EXPECT_EQ(lang_text(14), "Rozmiar pakietu nie jest zgodny z zamienianym pakietem w pliku!");
    EXPECT_EQ(lang_text(15), "The package is not the size of the texture set it replaces.");
    EXPECT_EQ(lang_text(16), "Plik docelowy nie może zostać zapisany na pliku bazowym!");
    EXPECT_EQ(lang_text(17), "The output file cannot be the base level itself.");
    EXPECT_EQ(lang_text(70), "&Gamma");
    EXPECT_EQ(lang_text(71), "&Gamma");
    EXPECT_EQ(lang_text(180), "Podziękowania dla:");
    EXPECT_EQ(lang_text(181), "Thanks to:");
    // Spelled as bytes, so a source saved in another code page cannot pass.
    EXPECT_EQ(lang_text(82), "&Usu\xC5\x84");
    EXPECT_EQ(lang_text(44), "Za&ko\xC5\x84" "cz");
    EXPECT_EQ(lang_text(84), "Kopiuj &prze\xC5\xBA" "roczysto\xC5\x9B\xC4\x87");
}

// Every message has its text in both languages, and they differ, but for the
// unused pair and the texts that are the same word in both.
TEST(StringTable, EveryMessageSpeaksBothLanguages) {
    for (int m = 0; m < static_cast<int>(Msg::EndOfTable); m += 2) {
        const Msg message = static_cast<Msg>(m);
        if (message == Msg::Unused) continue;
        const std::string_view pl = text_of(message, Language::Polish), en = text_of(message, Language::English);
        SCOPED_TRACE(en);
        EXPECT_FALSE(pl.empty());
        EXPECT_FALSE(en.empty());
        if (message != Msg::Gamma && message != Msg::Language && message != Msg::StepLiteral && message != Msg::Reduce25 &&
            message != Msg::ZoomOfPanes && message != Msg::AndOneSprite) {
            EXPECT_NE(pl, en);
        }
    }
}

// Every registered language is found by its value and its code, and has a
// text for every message but the unused pair.
class EveryLanguage : public ::testing::TestWithParam<LanguageInfo> {};

TEST_P(EveryLanguage, HasATextForEveryMessage) {
    const LanguageInfo& info = GetParam();
    EXPECT_EQ(language_info(info.language).code, info.code);
    EXPECT_EQ(language_with_code(info.code), info.language);
    for (int m = 0; m < static_cast<int>(Msg::EndOfTable); m += 2) {
        const Msg message = static_cast<Msg>(m);
        SCOPED_TRACE(m);
        EXPECT_EQ(text_of(message, info.language).empty(), message == Msg::Unused);
        EXPECT_TRUE(is_valid_utf8(text_of(message, info.language)));
    }
}

INSTANTIATE_TEST_SUITE_P(Registry, EveryLanguage,
                         ::testing::ValuesIn(language_registry().begin(), language_registry().end()),
                         [](const auto& line) { return std::string(line.param.code); });

TEST(TranslateText, EveryInterfaceTextRoundTrips) {
    std::map<std::string, int, std::less<>> english_uses;
    for (int pair = 9; pair < kStringCount / 2; ++pair) ++english_uses[std::string(lang_text(2 * pair + 1))];
    for (int pair = 9; pair < kStringCount / 2; ++pair) {
        if (2 * pair == kUnusedPl) continue;
        const std::string pl(lang_text(2 * pair)), en(lang_text(2 * pair + 1));
        SCOPED_TRACE(pl);
        EXPECT_EQ(translate_text(pl, Language::English), en);
        // English has one plural where Polish has two: such a text comes back as the first.
        if (english_uses[en] == 1) {
            EXPECT_EQ(translate_text(translate_text(pl, Language::English), Language::Polish), pl);
        }
        EXPECT_EQ(translate_text(translate_text(en, Language::Polish), Language::English), en);
    }
}

TEST(TranslateText, ActiveLanguageChangesNothing) {
    for (int pair = 9; pair < kStringCount / 2; ++pair) {
        const std::string pl(lang_text(2 * pair)), en(lang_text(2 * pair + 1));
        SCOPED_TRACE(pl);
        EXPECT_EQ(translate_text(pl, Language::Polish), pl);
        EXPECT_EQ(translate_text(en, Language::English), en);
    }
}

TEST(TranslateText, LeavesUnknownTextsAlone) {
    for (const char* text : {"RGB", "+ 5 %", "8 x 8", "plik", "Plik ", "Pl&ik", "OK", "Tilesmith 2.7"}) {
        EXPECT_EQ(translate_text(text, Language::English), text);
        EXPECT_EQ(translate_text(text, Language::Polish), text);
    }
    // The unused pair is empty: an empty caption stays empty either way.
    EXPECT_EQ(translate_text("", Language::English), "");
    EXPECT_EQ(translate_text("", Language::Polish), "");
}

// A counted text takes the form its count asks in each language: Polish 1, 2-4
// but not 12-14, the rest; a form per argument, whichever argument counts.
TEST(PluralForms, EachCountTakesItsLanguagesForm) {
    const struct {
        long long count;
        const char* english;
        const char* polish;
    } cases[] = {
        {0, "0 tiles selected", "Zaznaczono 0 płytek"}, {1, "1 tile selected", "Zaznaczono 1 płytkę"},
        {4, "4 tiles selected", "Zaznaczono 4 płytki"}, {5, "5 tiles selected", "Zaznaczono 5 płytek"},
        {12, "12 tiles selected", "Zaznaczono 12 płytek"}, {22, "22 tiles selected", "Zaznaczono 22 płytki"},
        {112, "112 tiles selected", "Zaznaczono 112 płytek"}, {1024, "1024 tiles selected", "Zaznaczono 1024 płytki"},
    };
    for (const auto& c : cases) {
        const Phrase marked = Phrase(Msg::TilesMarked).arg(c.count);
        EXPECT_EQ(marked.text(Language::English), c.english);
        EXPECT_EQ(marked.text(Language::Polish), c.polish);
    }
    EXPECT_EQ(choose_plural_forms("{1:a|b} {2:c|d|e} {1:}", {"x", "1"}, Language::Polish), "b c ")
        << "a word that is no count takes the last form";
}

TEST(PlainCaption, DropsTheMnemonicMarkAndKeepsADoubledOne) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Plik", "Plik"}, {"Za&kończ", "Zakończ"}, {"R&&D", "R&D"}, {"Plik", "Plik"}, {"a&", "a"}};
    for (const auto& [caption, plain] : cases) EXPECT_EQ(plain_caption(caption), plain) << caption;
}

TEST(StripAmpersand, RemovesOnlyTheFirstMark) {
    EXPECT_EQ(strip_ampersand("&Plik"), "Plik");
    EXPECT_EQ(strip_ampersand("Zako&ńcz"), "Zakończ");
    EXPECT_EQ(strip_ampersand("/a&b/c&d.tga"), "/ab/c&d.tga");
    EXPECT_EQ(strip_ampersand("&&"), "&");
    EXPECT_EQ(strip_ampersand("Plik"), "Plik");
    EXPECT_EQ(strip_ampersand(""), "");
}

}  // namespace
}  // namespace tilesmith
