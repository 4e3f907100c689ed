// The interface in English: a text for every Msg, in the order of the enumeration.
// The comment before a text names the entries of its pair (Polish, English) and
// what shows it. Pair 78 belongs to nothing and is left empty.
#include "strings/languages.h"

namespace tilesmith {

namespace {

constexpr Text kTexts[] = {
    // 0-5: questions no longer asked (the steps can be undone); kept for the numbering
    // 0, 1: message: confirmation before changing an existing package, Yes/No
    {Msg::ModifyPackageQuestion, "You are modifying an existing texture package; if its size changes, textures you have made may be lost. Do you want to continue?"},
    // 2, 3: message: confirmation before "Kopiuj pakiet", Yes/No
    {Msg::CopyPackageQuestion, "This copies the source package into the target package: the current target textures will be lost and the undo history cleared. Do you want to continue?"},
    // 4, 5: message: confirmation that the target package takes the source size, Yes/No
    {Msg::TakeSourceSizeQuestion, "The size of the source package differs from the target's; the target will be resized to match. Do you want to continue?"},
    // 6, 7: message: TGA file refused, wrong size or colour depth
    {Msg::WrongSizeOrDepth, "Cannot load the file: the image size or colour depth is not supported."},
    // 8, 9: message: TGA file refused, image type not recognised
    {Msg::UnknownImageType, "Cannot load the file: unknown image type."},
    // 10, 11: message: before choosing the base level
    {Msg::SelectBaseLevel, "Select the level whose structure will take the textures."},
    // 12, 13: message: before choosing the output file
    {Msg::SelectOutputFile, "Select the file to save the level as."},
    // 14, 15: message: package size differs from the level's texture set
    {Msg::PackageSizeMismatch, "The package is not the size of the texture set it replaces."},
    // 16, 17: message: output file is the base file
    {Msg::OutputIsBase, "The output file cannot be the base level itself."},
    // 18, 19: menu_file
    {Msg::MenuFile, "&File"},
    // 20, 21: menu_edit
    {Msg::MenuEdit, "&Edit"},
    // 22, 23: menu_texture
    {Msg::MenuTexture, "&Texture"},
    // 24, 25: menu_effects
    {Msg::MenuEffects, "Effe&cts"},
    // 26, 27: menu_options
    {Msg::MenuOptions, "&Options"},
    // 28, 29: menu_about
    {Msg::MenuAbout, "&About"},
    // 30, 31: new_package, hint of tool_new_package
    {Msg::NewModify, "&New / modify..."},
    // 32, 33: open_source, hint of tool_open_source
    {Msg::OpenSource, "&Open source file..."},
    // 34, 35: open_target
    {Msg::OpenTarget, "Open &target file..."},
    // 36, 37: save_target, hint of tool_save_target
    {Msg::SaveTarget, "&Save target file"},
    // 38, 39: save_target_as
    {Msg::SaveTargetAs, "Save target file &as..."},
    // 40, 41: menu_export
    {Msg::Export, "&Export"},
    // 42, 43: export_to_level
    {Msg::ExportToLevel, "&To a Tomb Raider 1-5 level..."},
    // 44, 45: exit
    {Msg::Exit, "E&xit"},
    // 46, 47: undo, hint of tool_undo
    {Msg::Undo, "&Undo"},
    // 48, 49: cut, hint of tool_cut
    {Msg::Cut, "Cu&t"},
    // 50, 51: copy_to_clipboard, hint of tool_copy_to_clipboard
    {Msg::CopyToClipboard, "&Copy to clipboard"},
    // 52, 53: paste_from_clipboard, hint of tool_paste_from_clipboard
    {Msg::PasteFromClipboard, "&Paste from clipboard"},
    // 54, 55: menu_rotate
    {Msg::Rotate, "R&otate"},
    // 56, 57: rotate90
    {Msg::Rotate90, "&90° anticlockwise"},
    // 58, 59: hint of tool_rotate90
    {Msg::Rotate90Hint, "Rotate 90° anticlockwise"},
    // 60, 61: menu_flip
    {Msg::Flip, "&Flip"},
    // 62, 63: flip_horizontally
    {Msg::FlipHorizontally, "&Horizontally"},
    // 64, 65: flip_vertically
    {Msg::FlipVertically, "&Vertically"},
    // 66, 67: hint of tool_flip_horizontally
    {Msg::FlipHorizontallyHint, "Flip horizontally"},
    // 68, 69: hint of tool_flip_vertically
    {Msg::FlipVerticallyHint, "Flip vertically"},
    // 70, 71: menu_gamma
    {Msg::Gamma, "&Gamma"},
    // 72, 73: hint of tool_gamma_up
    {Msg::GammaUpHint, "Gamma (up)"},
    // 74, 75: hint of tool_gamma_down
    {Msg::GammaDownHint, "Gamma (down)"},
    // 76, 77: menu_view
    {Msg::View, "&View"},
    // 78, 79: grid_visible
    {Msg::Grid, "&Grid"},
    // 80, 81: tx_add, hint of tool_add
    {Msg::Add, "&Add"},
    // 82, 83: tx_del, hint of tool_del
    {Msg::Delete, "&Delete"},
    // 84, 85: tx_copytrans, hint of tool_copytrans
    {Msg::CopyTransparency, "Copy &transparency"},
    // 86, 87: tx_copy
    {Msg::CopyPackage, "&Copy package"},
    // 88, 89: invert_colors, hint of tool_invert_colors
    {Msg::Invert, "&Invert colours"},
    // 90, 91: average_color
    {Msg::AverageColor, "&Average colour"},
    // 92, 93: menu_color_reduction, hint of tool_reduce_colors
    {Msg::ColorReduction, "Colour &reduction"},
    // 94, 95: menu_palette
    {Msg::Palette, "Colour &palette"},
    // 96, 97: gray_scale
    {Msg::Grayscale, "&Grayscale"},
    // 98, 99: hint of tool_gray_scale
    {Msg::GrayscaleHint, "Palette: grayscale"},
    // 100, 101: black_white
    {Msg::BlackAndWhite, "&Black and white"},
    // 102, 103: hint of tool_black_white
    {Msg::BlackAndWhiteHint, "Palette: black and white"},
    // 104, 105: menu_channel_swap
    {Msg::ChannelSwap, "&Swap channels"},
    // 106, 107: menu_sharpen_channel; the command line's brighten_channel
    {Msg::TraceChannel, "Brighten &channel"},
    // 108, 109: blur, hint of tool_blur
    {Msg::Blur, "&Blur"},
    // 110, 111: pixelate, hint of tool_pixelate
    {Msg::Pixelate, "Pi&xelate"},
    // 112, 113: menu_button3d
    {Msg::Button3D, "3&D button"},
    // 114, 115: button3d_convex
    {Msg::Convex, "&Convex"},
    // 116, 117: button3d_concave
    {Msg::Concave, "Conca&ve"},
    // 118, 119: hint of tool_button3d_convex
    {Msg::ConvexHint, "3D button: convex"},
    // 120, 121: menu_diaphragm
    {Msg::Diaphragm, "S&hutter"},
    // 122, 123: diaphragm_horizontal
    {Msg::DiaphragmHorizontal, "&Horizontal..."},
    // 124, 125: diaphragm_vertical
    {Msg::DiaphragmVertical, "&Vertical..."},
    // 126, 127: hint of tool_diaphragm
    {Msg::DiaphragmHint, "Horizontal shutter..."},
    // 128, 129: menu_language
    {Msg::Language, "Język / &Language"},
    // 130, 131: language_pl
    {Msg::Polish, "&Polish"},
    // 132, 133: language_en
    {Msg::English, "&English"},
    // 134, 135: auto_move
    {Msg::AutoMove, "&Move selection automatically"},
    // 136, 137: no component
    {Msg::RefreshAllTime, "Refresh the work area continuously"},
    // 138, 139: correct_transparent_color
    {Msg::CorrectTransparentColor, "&Correct the transparent colour (TR1-5)"},
    // 140, 141: open_8bit
    {Msg::Open8Bit, "&Open 8-bit textures (TR2, TR3)"},
    // 142, 143: flat_look
    {Msg::XpStyle, "&XP style"},
    // 144, 145: show_coordinates
    {Msg::ShowCoordinates, "Show &tile coordinates"},
    // 146, 147: select_color
    {Msg::SelectGridColor, "&Selection and grid colour..."},
    // 148, 149: menu_grid_size
    {Msg::GridSize, "&Grid size"},
    // 150, 151: author
    {Msg::Author, "&Author..."},
    // 152, 153: version_history
    {Msg::VersionHistory, "&Version history..."},
    // 154, 155: menu_correspondence
    {Msg::Correspondence, "&Correspondence"},
    // 156, 157: unused
    {Msg::Unused, ""},
    // 158, 159: proposals_mail
    {Msg::ProposalsMail, "&Suggestions and bug reports..."},
    // 160, 161: status bar panel 0
    {Msg::SourcePackageLabel, "Source package:"},
    // 162, 163: status bar panel 3
    {Msg::TargetPackageLabel, "Target package:"},
    // 164, 165: status bar panel 6
    {Msg::ProgressLabel, "Progress:"},
    // 166, 167: new-package dialog: size_caption
    {Msg::PackageSizeLabel, "Package size:"},
    // 168, 169: new-package dialog: width_caption
    {Msg::WidthLabel, "Width:"},
    // 170, 171: new-package dialog: height_caption
    {Msg::HeightLabel, "Height:"},
    // 172, 173: new-package dialog: background_caption
    {Msg::ColorLabel, "Background:"},
    // 174, 175: new-package dialog: button selection_size_button
    {Msg::SelectionSize, "Use the selection's position"},
    // 176, 177: new-package dialog: check box modify_box
    {Msg::ModifyPackage, "Modify package"},
    // 178, 179: author dialog: games_caption
    {Msg::SupportedGames, "Supported games:"},
    // 180, 181: author dialog: thanks_caption
    {Msg::ThanksTo, "Thanks to:"},
    // 182, 183: asked before unsaved changes of the target are closed or replaced
    {Msg::SaveChangesQuestion, "Save changes?"},
    // 184, 185: status bar, briefly, after a save or an export; %1 is the file name
    {Msg::FileSaved, "Saved: %1"},
    // 186-209: input/output errors; %1 is the file name, %2 why. The English
    // reasons of the system are glibc's own words.
    {Msg::CannotOpenFile, "Cannot open \"%1\": %2"},
    {Msg::CannotReadFile, "Cannot read \"%1\": %2"},
    {Msg::CannotWriteFile, "Cannot write \"%1\": %2"},
    {Msg::FileTruncated, "\"%1\" is truncated"},
    {Msg::ItIsAFolder, "it is a folder"},
    {Msg::NotARegularFile, "it is not a regular file"},
    {Msg::SeekFailed, "seek failed"},
    {Msg::NoSuchFile, "No such file or directory"},
    {Msg::PermissionDenied, "Permission denied"},
    {Msg::DiskFull, "No space left on device"},
    {Msg::ReadOnlyFileSystem, "Read-only file system"},
    {Msg::UnknownError, "Unknown error"},
    // 210, 211: a Tomb Raider 1 level under another level's extension
    {Msg::LevelIsTr1, "This is a Tomb Raider 1 level; open it as .phd"},
    // 212, 213: a Tomb Raider 2 level under another level's extension
    {Msg::LevelIsTr2, "This is a Tomb Raider 2 level; open it as .tr2"},
    // 214, 215: a Tomb Raider 3 level under another level's extension
    {Msg::LevelIsTr3, "This is a Tomb Raider 3 level; open it as .tr2"},
    // 216, 217: a Tomb Raider 4 or 5 level under another level's extension
    {Msg::LevelIsTr45, "This is a Tomb Raider 4 or 5 level; open it as .tr4 or .trc"},
    // 218, 219: a level of the remastered Tomb Raider 4
    {Msg::RemasteredTr4, "This is a remastered Tomb Raider 4 level; remastered levels are not supported"},
    // 220, 221: a level of the remastered Tomb Raider 5
    {Msg::RemasteredTr5, "This is a remastered Tomb Raider 5 level; remastered levels are not supported"},
    // 222, 223: the file dialogs' type line of Tomb Raider 1 levels
    {Msg::Tr1LevelFilter, "Tomb Raider 1 level"},
    // 224, 225: Save / Save As with an extension no writer takes
    {Msg::ExtensionNotWritten, "Nothing was saved: files with this extension cannot be written. Use one of these extensions: %1."},
    // 226, 227: at start or close, when config.dat can be written nowhere
    {Msg::SettingsCannotBeSaved, "The settings (config.dat) cannot be saved: neither the program's folder nor the user's settings folder can be written."},
    // 228, 229: a refused file; %1 the file, %2 why
    {Msg::FileRefused, "\"%1\": %2"},
    // 230, 231: a file read with rows missing; %1 the file, %2 how many rows
    {Msg::RowsMissing, "\"%1\" is incomplete (missing rows of pixels: %2); they have been filled with the transparent colour."},
    // 232, 233: asked before a JPEG save of a package with transparent pixels; %1 how many
    {Msg::JpegLosesTransparency, "JPEG cannot keep the transparent colour: %1 {1:pixel|pixels} will change."},
    // 234, 235: the button that saves as JPEG all the same
    {Msg::SaveAnyway, "Save anyway"},
    // 236, 237: the button that does nothing
    {Msg::Cancel, "Cancel"},
    // 238, 239: the title of the new / modify dialog
    {Msg::PackageDialogTitle, "Texture package"},
    // 240, 241: an export base no exporter takes; %1 the base, %2 the extensions that work
    {Msg::BaseNotTaken, "Cannot export into \"%1\": textures can only go into %2 files."},
    // 242, 243: the export's size check; %1 the package's size, %2 the base, %3 its textures' size
    {Msg::BaseSizeDiffers, "The package (%1) is not the size of the textures of \"%2\" (%3)."},
    // 244-263: the file dialogs' type lines
    {Msg::AllSupportedFilter, "Supported formats"},
    {Msg::TgaFilter, "Texture package"},
    {Msg::BmpFilter, "Bitmap"},
    {Msg::JpegFilter, "JPEG image"},
    {Msg::PngFilter, "PNG image"},
    {Msg::Tr23Filter, "Tomb Raider 2 or 3 level"},
    {Msg::Tr4Filter, "Tomb Raider 4 level"},
    {Msg::Tr5Filter, "Tomb Raider 5 level"},
    {Msg::Tr25Filter, "Tomb Raider 2-5 level"},
    {Msg::WadFilter, "Tomb Raider object package"},
    // 264-305: why a file cannot be read, in the %2 of CannotReadFile
    {Msg::TooShortForTr23, "the file is too short (%1 bytes) to be a Tomb Raider 2 or 3 level"},
    {Msg::TooShortForTr45, "the file is too short (%1 bytes) to be a Tomb Raider 4 or 5 level"},
    {Msg::TooShortForWad, "the file is too short (%1 bytes) to be an object package"},
    {Msg::NegativeCount, "a count or size in its header is negative (%1)"},
    {Msg::PagesBeyondEnd, "its %1 texture pages would end beyond the end of the file (%2 bytes)"},
    {Msg::DataBeyondEnd, "its texture data would reach byte %1, beyond the end of the file (%2 bytes)"},
    {Msg::PagesOver1GiB, "%1 texture pages would make a package larger than 1 GiB"},
    {Msg::BlockOver1GiB, "its texture block of %1 bytes would pass the 1 GiB limit"},
    {Msg::BlockCannotInflate, "its texture block of %1 bytes cannot come from the %2 compressed bytes the file holds"},
    {Msg::NotEnoughMemory, "not enough memory"},
    {Msg::ZlibStreamOverrun, "zlib error: the compressed texture block does not end within its stated size"},
    {Msg::ZlibError, "zlib error: \"%1\""},
    {Msg::StructureBeyondEnd, "a structure of the level from byte %1 would end beyond the end of the file (%2 bytes)"},
    {Msg::LastStructureEarly, "its last structure ends at byte %1, not at the end of the file (%2 bytes)"},
    {Msg::TgaTooLarge, "a TGA file holds at most 65535 x 65535 pixels, not %1 x %2"},
    {Msg::PixelDataShort, "its %1 x %2 pixels need %3 bytes of pixel data, the file holds %4"},
    {Msg::OnlyBmpOrJpeg, "only %1 files are read here"},
    {Msg::NotAPng, "not a PNG picture or its header is damaged"},
    {Msg::PictureNotAsHeader, "the picture does not match its header"},
    {Msg::TooManyJpegScans, "%1 scans are far more than a %2 x %3 picture needs"},
    {Msg::DecodeOver1GiB, "decoding the picture would take more than 1 GiB of memory"},
    // 306-351: the background colours of the new / modify dialog
    {Msg::ColourBlack, "Black"},
    {Msg::ColourMaroon, "Maroon"},
    {Msg::ColourGreen, "Green"},
    {Msg::ColourOlive, "Olive"},
    {Msg::ColourNavy, "Navy"},
    {Msg::ColourPurple, "Purple"},
    {Msg::ColourTeal, "Teal"},
    {Msg::ColourGray, "Gray"},
    {Msg::ColourSilver, "Silver"},
    {Msg::ColourRed, "Red"},
    {Msg::ColourLime, "Lime"},
    {Msg::ColourYellow, "Yellow"},
    {Msg::ColourBlue, "Blue"},
    {Msg::ColourFuchsia, "Fuchsia"},
    {Msg::ColourAqua, "Aqua"},
    {Msg::ColourWhite, "White"},
    {Msg::ColourMoneyGreen, "Money Green"},
    {Msg::ColourSkyBlue, "Sky Blue"},
    {Msg::ColourCream, "Cream"},
    {Msg::ColourMediumGray, "Medium Gray"},
    {Msg::ColourNone, "None"},
    {Msg::ColourDefault, "Default"},
    {Msg::ColourCustom, "Custom..."},
    // 352-361: the author box
    {Msg::CopyrightLine, "© 2026 the Tilesmith developers"},
    {Msg::FormatDocumenters, "the level-format documenters"},
    {Msg::Testers, "the testers"},
    {Msg::SuggestionSenders, "everyone who sent suggestions"},
    {Msg::PackagedWithCMake, "Packaged with CMake"},
    // 362, 363: a picture larger than a package may be; %1 x %2 its size
    {Msg::PictureTooLarge, "%1 x %2 pixels is too large a picture"},
    // 364, 365: Edycja -> redo
    {Msg::Redo, "&Redo"},
    // 366, 367: Widok -> view_zoomin
    {Msg::ZoomIn, "Zoom &in"},
    // 368, 369: Widok -> view_zoomout
    {Msg::ZoomOut, "Zoom &out"},
    // 370, 371: Widok -> view_actualsize
    {Msg::ActualSize, "&Actual size"},
    // 372, 373: a level whose structures cannot be walked to its texture references
    {Msg::TextureUseUnknown, "The texture use of \"%1\" cannot be read: %2"},
    // 374, 375: texture use asked of an image or object package
    {Msg::TextureUseOnlyInLevels, "texture use is recorded only in levels"},
    // 376, 377: Widok -> show texture use (check item)
    {Msg::ShowTextureUse, "Show &texture use"},
    // 378, 379: status bar, the object and sprite textures mapping the pixel under the
    // pointer: the plural form of 5-21, 25-31... (UsedByOneFace, UsedByFewFaces the others)
    {Msg::UsedByFaces, "used by %1 faces"},
    // 380, 381: after an export, the changed tiles and those the level maps
    {Msg::TilesChangedUsed, "Tiles changed: %1, of them used by the level: %2"},
    // 382-391: why a level's texture use cannot be read, in the %2 of TextureUseUnknown
    {Msg::MarkerMissing, "the marker \"%1\" is missing at byte %2 of the level data"},
    {Msg::LevelDataCannotInflate, "its level data block does not inflate to its stated %1 bytes"},
    {Msg::LevelDataBeyondEnd, "a structure of the level from byte %1 would end beyond the end of the level data block (%2 bytes)"},
    {Msg::LevelDataEndsEarly, "its last structure ends at byte %1, not at the end of the level data block (%2 bytes)"},
    {Msg::LevelDataTooLarge, "its level data block of %1 bytes is larger than any level's"},
    // 392, 393: the button beside the gauge while long work runs (also Escape);
    // not "Cancel", which is the English of Anuluj
    {Msg::StopJob, "Stop"},
    // 394, 395: closing the window while long work runs, Yes/No
    {Msg::StopJobQuestion, "Work is still running. Stop it and close the window?"},
    // 396, 397: the picture codecs cannot be loaded; %1 the module, %2 why
    {Msg::NotABmp, "not a BMP picture or its header is damaged"},
    // 398, 399: a turn asked of a region that is not square
    {Msg::TurnNeedsSquare, "Only a square region can be turned: select as many rows as columns."},
    // 400, 401: after an add, %1 tiles past the target's edge of %2 in the source region
    {Msg::TilesLeftOut, "Tiles left out, past the edge of the target package: %1 of %2."},
    // 402, 403: why a level's texture use cannot be read: %1 words from byte %2 are not zero
    {Msg::WordsNotZero, "the %1 words from byte %2 of the level data are not zero"},
    // 404, 405: a level walked with bytes after its last structure; %1 the level, %2 how many
    {Msg::LevelBytesIgnored, "\"%1\": %2 bytes after the level's last structure were ignored"},
    {Msg::PngDamaged, "the PNG picture's data is damaged (%1)"},
    {Msg::PngEndsEarly, "the file ends before the PNG picture does"},
    {Msg::PngEmpty, "a PNG picture holds at least one pixel"},
    {Msg::BmpUnsupported, "unsupported kind of BMP picture (%1 bits a pixel, compression %2)"},
    // 414, 415: the rooms of a level cannot be read; %1 the level, %2 why
    {Msg::RoomsUnknown, "The rooms of \"%1\" cannot be read: %2"},
    // 416, 417: rooms asked of an image or object package
    {Msg::RoomsOnlyInLevels, "only levels have rooms"},
    // 418, 419: why, in the %2 of RoomsUnknown; %1 the room, %2 its bytes
    {Msg::RoomDataBeyondEnd, "the geometry of room %1 does not fit in its %2 bytes"},
    // 420, 421: why, in the %2 of RoomsUnknown; %1 the byte, %2 the mesh data's bytes
    {Msg::MeshBeyondEnd, "a mesh from byte %1 of the mesh data does not fit in its %2 bytes"},
    // 422, 423: the tiles gathered from many files would not fit one package
    {Msg::CollectTooLarge, "%1 tiles do not fit one package (at most %2 pixels)"},
    // 404-409: Tekstura -> find_duplicates, remove_duplicates, select_unused
    {Msg::FindDuplicates, "&Find duplicates"},
    {Msg::RemoveDuplicates, "&Remove duplicate tiles"},
    {Msg::SelectUnused, "&Select unused tiles"},
    // 430, 431: the tolerance Find duplicates asks for
    {Msg::ToleranceLabel, "Tolerance (levels per channel, 0 = exact):"},
    // 432, 433: status bar, the tiles marked in the pane
    {Msg::TilesMarked, "%1 {1:tile|tiles} selected"},
    // 434, 435: status bar, the tiles Remove duplicate tiles took away
    {Msg::DuplicatesRemoved, "%1 duplicate {1:tile|tiles} removed"},
    // 436, 437: a change asked while a job holds the document
    {Msg::DocumentBusy, "The document is busy with work in progress; wait for it to end or stop it."},
    // 404 - 407: the Edit menu's undo and redo, %1 the step
    {Msg::UndoStep, "&Undo %1"},
    {Msg::RedoStep, "&Redo %1"},
    // 408 - 415: names of history steps
    {Msg::StepNewPackage, "New package"},
    {Msg::StepResizePackage, "Resize package"},
    {Msg::StepOpenTarget, "Open target"},
    {Msg::StepLiteral, "%1"},
    // 416 - 421: the history panel
    {Msg::HistoryPanel, "Undo &history"},
    {Msg::HistoryStart, "(start)"},
    {Msg::HistorySaved, "%1 \u2014 saved"},
    // 456, 457: before a step larger than the history's bound, Yes/No
    {Msg::StepEmptiesHistory, "This step needs more than the history's %1 MiB: taking it empties the whole undo history. Go on?"},
    // 458-463: status bar, the textures mapping the pixel under the pointer: none, 1, and
    // the plural form of 2-4, 22-24... (English: any count above 1)
    {Msg::UsedByNoFace, "used by no face"},
    {Msg::UsedByOneFace, "used by %1 face"},
    {Msg::UsedByFewFaces, "used by %1 faces"},
    // 464, 465: a file opened that no format reads; %1 the file, %2 the extensions read
    {Msg::NoKnownKind, "Cannot open \"%1\": it is not a file of any supported kind. Supported extensions: %2"},
    // 466, 467: the open dialogs' type line of every file
    {Msg::AllFilesFilter, "All files"},
    // 468, 469: the stop button once asked, until the job has ended
    {Msg::StoppingJob, "Stopping…"},
    // 470, 471: Edit menu: the whole package of the pane clicked last
    {Msg::SelectAll, "Select &all"},
    // 472, 473: status bar: %1 the source pane's zoom, %2 the target's
    {Msg::ZoomOfPanes, "%1× | %2×"},
    // 474-481: the colour-reduction steps, with each language's decimal sign
    {Msg::Reduce625, "&6.25 %"},
    {Msg::Reduce125, "&12.5 %"},
    {Msg::Reduce25, "&25 %"},
    {Msg::Reduce375, "&37.5 %"},
    // 482, 483: the subject of the suggestions mail
    {Msg::MailSubject, "Tilesmith: proposals, suggestions, bugs"},
    // 484, 485: no mail program could be started; %1 the address, to copy
    {Msg::MailAddress, "No mail program could be started. Please send your suggestions to:\n\n%1"},
    // 486, 487: the zoom panel's tip; %1 the source pane's zoom, %2 the target's
    {Msg::ZoomTip, "Zoom: source %1×, target %2×"},
    // 488, 489: Widok -> the level in 3D (also the dock's title)
    {Msg::LevelIn3D, "&Level in 3D"},
    // 438-445: the 3D view's button and check boxes
    {Msg::FrameLevel, "Frame the level"},
    {Msg::BilinearFiltering, "Bilinear filtering"},
    {Msg::RoomLighting, "Room lighting"},
    {Msg::AlternateRooms, "Alternate rooms"},
    // 446-449: the 3D view's room list; %1 the room
    {Msg::RoomItem, "Room %1"},
    {Msg::AlternateRoomItem, "Room %1 (alternate)"},
    // 450-453: what the 3D view shows instead of a level
    {Msg::NoOpenGL, "OpenGL is not available, so the 3D view cannot be shown."},
    {Msg::NoLevelInPanes, "Neither pane shows a level: open a level to see it in 3D."},
    // 506, 507: status bar after a click on a face; %1 room, %2 face, %3 object texture
    {Msg::PickedFace, "room %1, face %2, object texture %3"},
    // 508, 509: Widok -> the target shown on the rooms of a base level, before any export
    {Msg::PreviewOnLevel, "&Preview on a base level..."},
    // 510, 511: Informacje -> help (F1), and the help window's title
    {Msg::HelpTitle, "&Help"},
    // 512, 513: the short manual of the help window, a paragraph a line
    {Msg::HelpManual,
     "Tilesmith assembles texture packages: pictures made of 64 x 64 tiles, as the 256 x 256 pages of Tomb Raider "
     "levels.\n"
     "The left pane shows the source package (File > Open source file: a TGA, BMP, JPEG or PNG picture, a level or "
     "an object package), the right one the target package you edit and save.\n"
     "Select tiles in the source with a click or a drag, point at a place in the target and press Insert (Texture > "
     "Add); Delete clears tiles of the target. The effects of the Edit and Effects menus work on the target's "
     "selection as one picture.\n"
     "Ctrl+Z undoes any change and Ctrl+Y redoes it; View > Undo history lists every step. Ctrl and the mouse wheel "
     "zoom a pane.\n"
     "File > Export writes the package into a copy of a level. View > Level in 3D shows the level dressed in the "
     "package as you are editing it."},
    // 514, 515: the heading of the help window's list of commands
    {Msg::HelpCommands, "Commands and keys"},
    // 516, 517: the accept button of the save dialogs, the program's own word
    {Msg::SaveButton, "Save"},
    // 518, 519: an export refused before anything is written: %1 the base level, %2 why its walk stopped
    {Msg::BaseNotWalked, "Cannot export into \"%1\": its structures cannot be read to their end: %2"},
    // 520, 521: status bar, after the faces using the pixel: %1 those words, %2 faces of rooms, %3 faces of static meshes and moveables placed
    {Msg::UsedByFacesWhere, "%1: %2 in rooms, %3 on objects"},
    // 522, 523: status bar: %1 the faces' words, then %2 sprites placed using the pixel, in the plural forms of 1, of 2-4 (Polish) and the rest
    {Msg::AndOneSprite, "%1; %2 sprite"},
    // 524, 525: the same, Polish 2-4, 22-24...
    {Msg::AndFewSprites, "%1; %2 sprites"},
    // 526, 527: the same, the other counts
    {Msg::AndSprites, "%1; %2 sprites"},
    // 528, 529: status bar: no face but %1 sprites placed use the pixel, in the plural forms of 1, of 2-4 (Polish) and the rest
    {Msg::UsedByOneSprite, "used by %1 sprite"},
    // 530, 531: the same, Polish 2-4, 22-24...
    {Msg::UsedByFewSprites, "used by %1 sprites"},
    // 532, 533: the same, the other counts
    {Msg::UsedBySprites, "used by %1 sprites"},
    // 534, 535: status bar after a click on a face of a static mesh; %1 room,
    // %2 the static mesh's id, %3 face in its mesh, %4 object texture
    {Msg::PickedStaticFace, "room %1, static mesh %2, face %3, object texture %4"},
    // 536, 537: status bar after a click on a face of a moveable; %1 its object
    // id, %2 its mesh, %3 face in the mesh, %4 object texture
    {Msg::PickedMoveableFace, "moveable %1, mesh %2, face %3, object texture %4"},
    // 538-541: status bar after a click on a sprite; %1 sprite texture, %2 room or item
    {Msg::PickedRoomSprite, "sprite texture %1, room %2"},
    {Msg::PickedItemSprite, "sprite texture %1, item %2"},
    // 542, 543: the 3D view's check box: animated textures cycling
    {Msg::AnimatedTextures, "Animated textures"},
    // 544-547: the 3D view's title; %1 the level's file name
    {Msg::LevelIn3DSource, "Level in 3D: %1, source"},
    {Msg::LevelIn3DTarget, "Level in 3D: %1, target"},
    // 548, 549: the 3D view's mouse and keys, its tooltip and a paragraph of the help
    {Msg::LevelViewKeys,
     "Level in 3D: drag with the left mouse button to turn about the point looked at, with the middle button to "
     "move that point; the wheel comes nearer or goes back. Hold the right button to look around and fly with W, "
     "A, S, D (Q down, E up). A click on a face or a sprite selects the tiles of its texture, and pointing at a "
     "tile in a pane tints every face and sprite that uses it."},
    // 550-553: what the 3D view says when it cannot draw; %1 the OpenGL offered, or the first line of the
    // driver's log of the shaders
    {Msg::ViewNeedsOpenGL, "The 3D view cannot draw here: OpenGL 3.3 or 2.1 is needed; this system offers %1."},
    {Msg::ViewShadersRefused, "The 3D view cannot draw here: the graphics driver refused its shaders (%1)."},
    // 554, 555: About -> Correspondence in a build without a feedback address: README.md's words
    {Msg::ProblemsReported, "Problems and suggestions are reported in the issue tracker of the repository Tilesmith comes from: say what you did, what happened and what you expected, and attach the file if you can share it."},
    // 556, 557: Find duplicates says which tiles are duplicates, above its tolerance
    {Msg::DuplicatesRule, "A tile the same as an earlier one is a duplicate, a wholly transparent one too; Remove duplicate tiles keeps the first of each kind."},
    // 558, 559: a level whose first bytes name a kind its extension does not take; %1 the file, %2 the game (1-5)
    {Msg::LevelReadAsItsKind, "\"%1\" is a Tomb Raider %2 level under another kind's extension; it was read as what it is."},
    // 560-565: the status bar's labelled count of tiles; the caption of a target with no file; the history
    // step of a target opened from a file, %1 its name
    {Msg::TileCount, "tiles: %1"},
    {Msg::Untitled, "Untitled"},
    {Msg::StepOpenTargetFile, "Open target %1"},
    // 566-579: compacting a level's textures: the refusal and its reasons, the summary
    {Msg::CompactRefused, "Cannot compact \"%1\": %2"},
    {Msg::CompactSummary, "pages: %1 before, %2 after; object textures: %3, sprite textures: %4; areas: %5 kept (%6 shared), %7 dropped"},
    {Msg::CompactIntoItself, "Cannot compact \"%1\" into itself: choose another output file."},
    {Msg::CompactNotALevel, "only levels have textures to compact; it is an image or an object package"},
    {Msg::ObjectTextureOffPage, "object texture %1 maps outside page %2 of the level's %3 pages"},
    {Msg::SpriteTextureOffPage, "sprite texture %1 maps outside page %2 of the level's %3 pages"},
    {Msg::TextureBlockDamaged, "its %1-bit texture block does not inflate to its stated %2 bytes"},
    // 580-603: Level -> Compact textures: the menu, its question, the copy's dialog, the offer to open it
    {Msg::MenuLevel, "&Level"},
    {Msg::CompactTextures, "&Compact textures..."},
    {Msg::CompactHeading, "Compact the textures of \"%1\" into a copy:"},
    {Msg::CompactPages, "Pages: %1 before, %2 after."},
    {Msg::CompactTextureCounts, "Object textures: %1; sprite textures: %2."},
    {Msg::CompactAreas, "Areas the textures map: %1 kept, %2 of them shared (inside another or of the same pixels). Regions no texture maps, dropped: %3."},
    {Msg::CompactEightBitKept, "The 8-bit pages are kept as they were, the first of them as many as the copy's pages: the games do not read them."},
    {Msg::CompactNoShrink, "The pages cannot shrink: the copy would hold as many pages as the level."},
    {Msg::CompactButton, "Compact"},
    {Msg::CompactOutputTitle, "Select the file to save the compacted copy as."},
    {Msg::OpenCopyAsSource, "Open the compacted copy \"%1\" as the source?"},
    {Msg::OpenCopyAsTarget, "Open the compacted copy \"%1\" as the target?"},
};

// Every pair in the place its Msg names, none left out: the numbering of the entries rests on it.
static_assert(texts_in_place(kTexts), "a text of the English table is not at the place its Msg names");

}  // namespace

LanguageTexts english_texts() { return kTexts; }

}  // namespace tilesmith
