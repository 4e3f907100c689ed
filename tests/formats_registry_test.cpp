// The format registry: every extension it lists reaches its reader, writer and
// exporter through the dispatch, and stands in the file dialogs' filters.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "core/error.h"
#include "core/progress.h"
#include "formats/dispatch.h"
#include "formats/level_export.h"
#include "formats/supported_games.h"
#include "support/test_files.h"

namespace tilesmith {
namespace {

// Each extension of each registered format, the format with it.
template <typename F>
void for_each_extension(F&& f) {
    for (const FileFormat* format : file_formats())
        for (const FileExtension& e : format->extensions) f(*format, std::string(e.dot));
}

TEST(FormatRegistry, ExtensionsAreLowerCaseWithADotAndNameOneFormat) {
    std::set<std::string> seen;
    for_each_extension([&](const FileFormat& format, const std::string& e) {
        EXPECT_TRUE(e.size() > 1 && e[0] == '.') << e;
        EXPECT_EQ(file_extension("A" + e), e);
        EXPECT_TRUE(seen.insert(e).second) << e << " names two formats";
        EXPECT_EQ(find_format(e), &format) << e;
        EXPECT_FALSE(text_of(format.filter_title, Language::English).empty()) << e;
        EXPECT_NE(format.read, nullptr) << e;
    });
}

// A hostile file of each extension, in either case: the extension's reader
// answers (a refusal or an Error, never "not recognised"); its writer writes
// a file it reads back; a missing base reaches its exporter, an Error, where
// the format has one, and is not a level otherwise.
TEST(FormatRegistry, EveryExtensionReachesItsReaderWriterAndExporter) {
    TempDir dir;
    CountingProgress progress;
    for_each_extension([&](const FileFormat& format, const std::string& e) {
        for (const std::string& name : {"junk" + e, "JUNK" + e}) {
            const std::string path = dir.file(name);
            write_bytes(path, Bytes(40, 0x7F));
            Package p;
            try {
                EXPECT_TRUE(read_package(path, p, {}, progress)) << name;
            } catch (const Error&) {
            }
        }

        const Package tile(64, 64);
        const std::string out = dir.file("out" + e);
        EXPECT_EQ(write_package(out, tile, progress), format.write != nullptr) << e;
        EXPECT_EQ(is_writable_extension(e), format.write != nullptr) << e;
        if (format.write) {
            Package back;
            const auto r = read_package(out, back, {}, progress);
            ASSERT_TRUE(r) << e;
            EXPECT_EQ(back.width(), 64) << e;
        }

        const std::string base = dir.file("missing" + e);
        if (format.exporter) EXPECT_THROW(export_level(dir.file("x" + e), base, tile, progress), Error) << e;
        else EXPECT_EQ(export_level(dir.file("x" + e), base, tile, progress), ExportResult::not_a_level) << e;
    });
}

TEST(FormatRegistry, DialogFiltersListEveryExtensionOfTheirRole) {
    for_each_extension([&](const FileFormat& format, const std::string& e) {
        const std::string pattern = "*" + e;
        EXPECT_NE(open_filter().find(pattern), std::string::npos) << e;
        EXPECT_EQ(save_filter().find(pattern) != std::string::npos, format.write != nullptr) << e;
        EXPECT_EQ(export_base_filter().find(pattern) != std::string::npos, format.exporter != nullptr) << e;
        const std::string line = save_filter_line(e, Language::English);
        EXPECT_EQ(!line.empty() && save_filter(Language::English).find(line) != std::string::npos &&
                      line.find(pattern) != std::string::npos,
                  format.write != nullptr) << e;
        const auto choice = export_output_choice(e);
        EXPECT_EQ(choice.has_value(), format.exporter != nullptr) << e;
        if (choice) {
            EXPECT_EQ("." + choice->suffix, e);
        }
    });
    EXPECT_TRUE(open_filter(Language::English).ends_with(";;All files (*)"));
}

// The games whose levels the registry exports into, TR1 among them, are the
// ones the export item, the desktop entry, the metainfo and the package name.
TEST(FormatRegistry, EveryListOfLevelsNamesTheSupportedGames) {
    const std::string games = supported_games();
    EXPECT_EQ(games, "Tomb Raider 1-5");
    for (const Language language : {Language::Polish, Language::English})
        EXPECT_NE(std::string(text_of(Msg::ExportToLevel, language)).find(games), std::string::npos);
    const std::string source = std::string(TILESMITH_CORPUS_DIR) + "/../../";
    for (const char* file : {"data/io.github.tilesmith.Tilesmith.desktop",
                             "data/io.github.tilesmith.Tilesmith.metainfo.xml.in", "cmake/package.cmake"}) {
        std::ifstream in(source + file);
        const std::string text{std::istreambuf_iterator<char>(in), {}};
        EXPECT_NE(text.find(games), std::string::npos) << file;
    }
}

}  // namespace
}  // namespace tilesmith
