// The core's errors: English what() for the command-line tool, and the same
// error in either language for the window.
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "core/error.h"

using namespace tilesmith;

namespace {

struct ErrorCase {
    const char* name;
    Error error;
    const char* english;
    const char* polish;
};

class ErrorTexts : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorTexts, EnglishAsTheToolPrintsItAndPolishForTheWindow) {
    const ErrorCase& c = GetParam();
    EXPECT_STREQ(c.error.what(), c.english);
    EXPECT_EQ(c.error.text(Language::English), c.english);
    EXPECT_EQ(c.error.text(Language::Polish), c.polish);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ErrorTexts,
    ::testing::Values(
        ErrorCase{"reason_with_a_pair", Error(Msg::CannotOpenFile, "a/b.tga", Msg::ItIsAFolder),
                  "Cannot open \"a/b.tga\": it is a folder",
                  "Nie można otworzyć pliku „a/b.tga”: to jest folder"},
        ErrorCase{"system_reason", errno_error(Msg::CannotWriteFile, "x.bmp", EACCES),
                  "Cannot write \"x.bmp\": Permission denied", "Nie można zapisać pliku „x.bmp”: brak uprawnień"},
        ErrorCase{"detail_of_a_decoder", Error(Msg::CannotReadFile, "l.tr4", "bad header"),
                  "Cannot read \"l.tr4\": bad header", "Nie można odczytać pliku „l.tr4”: bad header"},
        ErrorCase{"no_detail", Error(Msg::FileTruncated, "%2.tga"), "\"%2.tga\" is truncated",
                  "Plik „%2.tga” jest niekompletny"},
        ErrorCase{"library_words_in_a_reason",
                  Error(Msg::CannotReadFile, "l.tr4", Phrase(Msg::ZlibError).arg("incorrect header check")),
                  "Cannot read \"l.tr4\": zlib error: \"incorrect header check\"",
                  "Nie można odczytać pliku „l.tr4”: błąd zlib: „incorrect header check”"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
