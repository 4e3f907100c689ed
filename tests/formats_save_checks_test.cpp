// The checks before a save and before the export's output dialog.
#include <gtest/gtest.h>

#include "core/color.h"
#include "core/error.h"
#include "formats/format_registry.h"
#include "formats/export_check.h"
#include "formats/save_checks.h"
#include "support/level_builder.h"

namespace tilesmith {
namespace {

std::string english(const std::optional<Phrase>& phrase) {
    return phrase ? phrase->text(Language::English) : "nothing";
}

TEST(SaveChecks, AskBeforeAJpegLosesTheTransparentColour) {
    Package p(64, 64, kWhite);
    EXPECT_EQ(english(transparency_loss_question("a.jpg", p)), "nothing");
    p.set_pixel(1, 2, kTransparent);
    p.set_pixel(3, 4, kTransparent);
    EXPECT_EQ(transparent_pixels(p), 2);
    EXPECT_EQ(english(transparency_loss_question("a.JPEG", p)),
              Phrase(Msg::JpegLosesTransparency).arg(2).text(Language::English));
    for (const char* keeps : {"a.png", "a.tga", "a.bmp"}) EXPECT_EQ(english(transparency_loss_question(keeps, p)), "nothing");
}

TEST(SaveChecks, WriteBackOnlyToATypeWeWrite) {
    EXPECT_TRUE(can_write_back("/x/a.TGA"));
    EXPECT_TRUE(can_write_back("a.png"));
    for (const char* not_written : {"", "a.tr2", "a.wad", "a.phd", "a.txt"}) EXPECT_FALSE(can_write_back(not_written));
}

TEST(ExportCheck, RefusesABaseBeforeTheOutputIsChosenNamingIt) {
    TempDir dir;
    const Package two_pages(256, 512, kWhite);
    const std::string text = dir.put("notes.txt", {'h', 'i'});
    EXPECT_EQ(english(export_base_refusal(text, two_pages)),
              Phrase(Msg::BaseNotTaken).arg(text).arg(extension_list(FormatRole::export_base)).text(Language::English));
    const std::string three = dir.put("three.tr2", make_level(LevelSpec(Game::tr2, 3)).bytes);
    EXPECT_EQ(english(export_base_refusal(three, two_pages)),
              Phrase(Msg::BaseSizeDiffers).arg("256 x 512").arg(three).arg("256 x 768").text(Language::English));
    EXPECT_EQ(english(export_base_refusal(dir.put("two.tr4", make_level(LevelSpec(Game::tr4, 2)).bytes), two_pages)), "nothing");
    EXPECT_EQ(english(export_base_refusal(dir.put("tr1.tr2", make_tr1(2).bytes), two_pages)), "nothing");
    const std::string wad = dir.put("a.wad", make_wad(1, 196608));
    EXPECT_EQ(english(export_base_refusal(wad, two_pages)),
              Phrase(Msg::BaseSizeDiffers).arg("256 x 512").arg(wad).arg("256 x 256").text(Language::English));
    EXPECT_THROW(export_base_refusal(dir.file("missing.tr2"), two_pages), Error);
}

}  // namespace
}  // namespace tilesmith
