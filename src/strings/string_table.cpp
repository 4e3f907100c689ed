// The texts of the interface: Polish at even entries, English at odd ones.
#include "strings/messages.h"
#include "strings/strings.h"

#include <iterator>

namespace tilesmith {

namespace {

struct Pair {
    Msg key;
    std::string_view polish, english;
};

// One pair per block, named by its Msg; the comment names the component or
// message that shows it. Pair 78 belongs to nothing and is left empty.
constexpr Pair kPairs[] = {
    // 0, 1: message: confirmation before changing an existing package, Yes/No
    {Msg::ModifyPackageQuestion,
     "Modyfikujesz istniejący pakiet tekstur, wskutek zmiany rozmiaru mogę zostać utracone utworzone tekstury, czy chcesz kontynuować?",
     "You are modifying an existing texture package; if its size changes, textures you have made may be lost. Do you want to continue?"},
    // 2, 3: message: confirmation before "Kopiuj pakiet", Yes/No
    {Msg::CopyPackageQuestion,
     "Operacja ta spowoduje skopiowanie pakietu tekstur z pliku źródłowego do pakietu tekstur pliku docelowego, tekstury docelowe zostaną utracone, bufor cofnięcia zmian zostanie wyczyszczony, czy chcesz kontynuować?",
     "This copies the source package into the target package: the current target textures will be lost and the undo history cleared. Do you want to continue?"},
    // 4, 5: message: confirmation that the target package takes the source size, Yes/No
    {Msg::TakeSourceSizeQuestion,
     "Rozmiar pakietu źródłowego nie jest identyczny z rozmiarem pakietu docelowego, nastąpi automatyczne dopasowanie wymiarów pakietu docelowego, czy chcesz kontynuować?",
     "The size of the source package differs from the target's; the target will be resized to match. Do you want to continue?"},
    // 6, 7: message: TGA file refused, wrong size or colour depth
    {Msg::WrongSizeOrDepth,
     "Nie można załadować pliku! Błędny rozmiar obrazu lub nieprawidłowa głębia kolorów!",
     "Cannot load the file: the image size or colour depth is not supported."},
    // 8, 9: message: TGA file refused, image type not recognised
    {Msg::UnknownImageType,
     "Nie można załadować pliku! Nierozpoznawalny format obrazu!",
     "Cannot load the file: unknown image type."},
    // 10, 11: message: before choosing the base level
    {Msg::SelectBaseLevel,
     "Wybierz plik poziomu bazowego, w strukturze którego mają zostać osadzone tekstury.",
     "Select the level whose structure will take the textures."},
    // 12, 13: message: before choosing the output file
    {Msg::SelectOutputFile,
     "Wybierz plik do zapisu docelowego.",
     "Select the file to save the level as."},
    // 14, 15: message: package size differs from the level's texture set
    {Msg::PackageSizeMismatch,
     "Rozmiar pakietu nie jest zgodny z zamienianym pakietem w pliku!",
     "The package is not the size of the texture set it replaces."},
    // 16, 17: message: output file is the base file
    {Msg::OutputIsBase,
     "Plik docelowy nie może zostać zapisany na pliku bazowym!",
     "The output file cannot be the base level itself."},
    // 18, 19: plik
    {Msg::MenuFile,
     "Plik",
     "File"},
    // 20, 21: edycja
    {Msg::MenuEdit,
     "Edycja",
     "Edit"},
    // 22, 23: tx
    {Msg::MenuTexture,
     "Tekstura",
     "Texture"},
    // 24, 25: ef
    {Msg::MenuEffects,
     "Efekty",
     "Effects"},
    // 26, 27: opcje
    {Msg::MenuOptions,
     "Opcje",
     "Options"},
    // 28, 29: info
    {Msg::MenuAbout,
     "Informacje",
     "About"},
    // 30, 31: new_package, hint of tool_new_package
    {Msg::NewModify,
     "Nowy / modyfikuj...",
     "New / modify..."},
    // 32, 33: open_source, hint of tool_open_source
    {Msg::OpenSource,
     "Otwórz plik źródłowy...",
     "Open source file..."},
    // 34, 35: open_target
    {Msg::OpenTarget,
     "Otwórz plik docelowy...",
     "Open target file..."},
    // 36, 37: save_target, hint of tool_save_target
    {Msg::SaveTarget,
     "Zapisz plik docelowy",
     "Save target file"},
    // 38, 39: save_target_as
    {Msg::SaveTargetAs,
     "Zapisz plik docelowy jako...",
     "Save target file as..."},
    // 40, 41: menu_export
    {Msg::Export,
     "Eksportuj",
     "Export"},
    // 42, 43: export_to_level
    {Msg::ExportToLevel,
     "Do poziomu Tomb Raider 1-5...",
     "To a Tomb Raider 1-5 level..."},
    // 44, 45: exit
    {Msg::Exit,
     "Zakończ",
     "Exit"},
    // 46, 47: undo, hint of tool_undo
    {Msg::Undo,
     "Cofnij",
     "Undo"},
    // 48, 49: cut, hint of tool_cut
    {Msg::Cut,
     "Wytnij",
     "Cut"},
    // 50, 51: copy_to_clipboard, hint of tool_copy_to_clipboard
    {Msg::CopyToClipboard,
     "Kopiuj do schowka",
     "Copy to clipboard"},
    // 52, 53: paste_from_clipboard, hint of tool_paste_from_clipboard
    {Msg::PasteFromClipboard,
     "Wklej ze schowka",
     "Paste from clipboard"},
    // 54, 55: menu_rotate
    {Msg::Rotate,
     "Obróć o kąt",
     "Rotate"},
    // 56, 57: rotate90
    {Msg::Rotate90,
     "90 stopni",
     "90 degrees"},
    // 58, 59: hint of tool_rotate90
    {Msg::Rotate90Hint,
     "Obróć o 90 stopni",
     "Rotate 90 degrees"},
    // 60, 61: menu_flip
    {Msg::Flip,
     "Odbij",
     "Flip"},
    // 62, 63: flip_horizontally
    {Msg::FlipHorizontally,
     "W poziomie",
     "Horizontally"},
    // 64, 65: flip_vertically
    {Msg::FlipVertically,
     "W pionie",
     "Vertically"},
    // 66, 67: hint of tool_flip_horizontally
    {Msg::FlipHorizontallyHint,
     "Odbij w poziomie",
     "Flip horizontally"},
    // 68, 69: hint of tool_flip_vertically
    {Msg::FlipVerticallyHint,
     "Odbij w pionie",
     "Flip vertically"},
    // 70, 71: menu_gamma
    {Msg::Gamma,
     "Gamma",
     "Gamma"},
    // 72, 73: hint of tool_gamma_up
    {Msg::GammaUpHint,
     "Gamma (powiększ)",
     "Gamma (up)"},
    // 74, 75: hint of tool_gamma_down
    {Msg::GammaDownHint,
     "Gamma (pomniejsz)",
     "Gamma (down)"},
    // 76, 77: menu_view
    {Msg::View,
     "Widok",
     "View"},
    // 78, 79: grid_visible
    {Msg::Grid,
     "Siatka",
     "Grid"},
    // 80, 81: tx_add, hint of tool_add
    {Msg::Add,
     "Dodaj",
     "Add"},
    // 82, 83: tx_del, hint of tool_del
    {Msg::Delete,
     "Usuń",
     "Delete"},
    // 84, 85: tx_copytrans, hint of tool_copytrans
    {Msg::CopyTransparency,
     "Kopiuj przeźroczystość",
     "Copy transparency"},
    // 86, 87: tx_copy
    {Msg::CopyPackage,
     "Kopiuj pakiet",
     "Copy package"},
    // 88, 89: invert_colors, hint of tool_invert_colors
    {Msg::Invert,
     "Odwróć kolory",
     "Invert colours"},
    // 90, 91: average_color
    {Msg::AverageColor,
     "Kolor średni",
     "Average colour"},
    // 92, 93: menu_color_reduction, hint of tool_reduce_colors
    {Msg::ColorReduction,
     "Redukcja kolorów",
     "Colour reduction"},
    // 94, 95: menu_palette
    {Msg::Palette,
     "Paleta kolorów",
     "Colour palette"},
    // 96, 97: gray_scale
    {Msg::Grayscale,
     "Odcienie szarości",
     "Grayscale"},
    // 98, 99: hint of tool_gray_scale
    {Msg::GrayscaleHint,
     "Paleta: odcienie szarości",
     "Palette: grayscale"},
    // 100, 101: black_white
    {Msg::BlackAndWhite,
     "Czarno - biała",
     "Black and white"},
    // 102, 103: hint of tool_black_white
    {Msg::BlackAndWhiteHint,
     "Paleta: czarno - biała",
     "Palette: black and white"},
    // 104, 105: menu_channel_swap
    {Msg::ChannelSwap,
     "Zamiana kanałów",
     "Swap channels"},
    // 106, 107: menu_sharpen_channel
    {Msg::TraceChannel,
     "Wyostrz kanał",
     "Brighten channel"},
    // 108, 109: blur, hint of tool_blur
    {Msg::Blur,
     "Rozmycie",
     "Blur"},
    // 110, 111: pixelate, hint of tool_pixelate
    {Msg::Pixelate,
     "Pikseloza",
     "Pixelate"},
    // 112, 113: menu_button3d
    {Msg::Button3D,
     "Przycisk 3D",
     "3D button"},
    // 114, 115: button3d_convex
    {Msg::Convex,
     "Wypukły",
     "Convex"},
    // 116, 117: button3d_concave
    {Msg::Concave,
     "Wklęsły",
     "Concave"},
    // 118, 119: hint of tool_button3d_convex
    {Msg::ConvexHint,
     "Przycisk 3D: wypukły",
     "3D button: convex"},
    // 120, 121: menu_diaphragm
    {Msg::Diaphragm,
     "Przesłona",
     "Shutter"},
    // 122, 123: diaphragm_horizontal
    {Msg::DiaphragmHorizontal,
     "Pozioma...",
     "Horizontal..."},
    // 124, 125: diaphragm_vertical
    {Msg::DiaphragmVertical,
     "Pionowa...",
     "Vertical..."},
    // 126, 127: hint of tool_diaphragm
    {Msg::DiaphragmHint,
     "Przesłona pozioma...",
     "Horizontal shutter..."},
    // 128, 129: menu_language
    {Msg::Language,
     "Język / Language",
     "Język / Language"},
    // 130, 131: language_pl
    {Msg::Polish,
     "Polski",
     "Polish"},
    // 132, 133: language_en
    {Msg::English,
     "Angielski",
     "English"},
    // 134, 135: auto_move
    {Msg::AutoMove,
     "Automatycznie przesuwaj zaznaczenie",
     "Move selection automatically"},
    // 136, 137: no component
    {Msg::RefreshAllTime,
     "Nieustanne odświeżanie obszaru roboczego",
     "Refresh the work area continuously"},
    // 138, 139: correct_transparent_color
    {Msg::CorrectTransparentColor,
     "Korekcja koloru przeźroczystego (TR1-5)",
     "Correct the transparent colour (TR1-5)"},
    // 140, 141: open_8bit
    {Msg::Open8Bit,
     "Otwieraj tekstury jako 8bit (TR2,3)",
     "Open 8-bit textures (TR2, TR3)"},
    // 142, 143: flat_look
    {Msg::XpStyle,
     "Styl XP",
     "XP style"},
    // 144, 145: show_coordinates
    {Msg::ShowCoordinates,
     "Pokazuj współrzędne pola",
     "Show tile coordinates"},
    // 146, 147: select_color
    {Msg::SelectGridColor,
     "Kolor zaznaczenia / siatki...",
     "Selection and grid colour..."},
    // 148, 149: menu_grid_size
    {Msg::GridSize,
     "Rozmiar siatki",
     "Grid size"},
    // 150, 151: author
    {Msg::Author,
     "Autor...",
     "Author..."},
    // 152, 153: version_history
    {Msg::VersionHistory,
     "Historia wersji...",
     "Version history..."},
    // 154, 155: menu_correspondence
    {Msg::Correspondence,
     "Korespondencja",
     "Correspondence"},
    // 156, 157: unused
    {Msg::Unused,
     "",
     ""},
    // 158, 159: proposals_mail
    {Msg::ProposalsMail,
     "Propozycje, sugestie, błędy...",
     "Suggestions and bug reports..."},
    // 160, 161: status bar panel 0
    {Msg::SourcePackageLabel,
     "Pakiet źródłowy:",
     "Source package:"},
    // 162, 163: status bar panel 3
    {Msg::TargetPackageLabel,
     "Pakiet docelowy:",
     "Target package:"},
    // 164, 165: status bar panel 6
    {Msg::ProgressLabel,
     "Postęp:",
     "Progress:"},
    // 166, 167: new-package dialog: Label2
    {Msg::PackageSizeLabel,
     "Rozmiar pakietu:",
     "Package size:"},
    // 168, 169: new-package dialog: Label1
    {Msg::WidthLabel,
     "Szerokość:",
     "Width:"},
    // 170, 171: new-package dialog: Label3
    {Msg::HeightLabel,
     "Wysokość:",
     "Height:"},
    // 172, 173: new-package dialog: Label4
    {Msg::ColorLabel,
     "Kolor tła:",
     "Background:"},
    // 174, 175: new-package dialog: button selection_size_button
    {Msg::SelectionSize,
     "Pobierz współrzędne zaznaczenia",
     "Use the selection's position"},
    // 176, 177: new-package dialog: check box modify_box
    {Msg::ModifyPackage,
     "Modyfikuj pakiet",
     "Modify package"},
    // 178, 179: author dialog: Label3
    {Msg::SupportedGames,
     "Pełne wspomaganie do gier:",
     "Supported games:"},
    // 180, 181: author dialog: Label5
    {Msg::ThanksTo,
     "Podziękowania dla:",
     "Thanks to:"},
    // 182, 183: asked before unsaved changes of the target are closed or replaced
    {Msg::SaveChangesQuestion,
     "Zapisać zmiany?",
     "Save changes?"},
    // 184, 185: status bar, briefly, after a save or an export; %1 is the file name
    {Msg::FileSaved,
     "Zapisano: %1",
     "Saved: %1"},
    // 186-209: input/output errors; %1 is the file name, %2 why. The English
    // reasons of the system are glibc's own words.
    {Msg::CannotOpenFile,
     "Nie można otworzyć pliku „%1”: %2",
     "Cannot open \"%1\": %2"},
    {Msg::CannotReadFile,
     "Nie można odczytać pliku „%1”: %2",
     "Cannot read \"%1\": %2"},
    {Msg::CannotWriteFile,
     "Nie można zapisać pliku „%1”: %2",
     "Cannot write \"%1\": %2"},
    {Msg::FileTruncated,
     "Plik „%1” jest niekompletny",
     "\"%1\" is truncated"},
    {Msg::ItIsAFolder,
     "to jest folder",
     "it is a folder"},
    {Msg::NotARegularFile,
     "to nie jest zwykły plik",
     "it is not a regular file"},
    {Msg::SeekFailed,
     "nie można przejść do miejsca w pliku",
     "seek failed"},
    {Msg::NoSuchFile,
     "nie ma takiego pliku ani folderu",
     "No such file or directory"},
    {Msg::PermissionDenied,
     "brak uprawnień",
     "Permission denied"},
    {Msg::DiskFull,
     "brak miejsca na dysku",
     "No space left on device"},
    {Msg::ReadOnlyFileSystem,
     "system plików tylko do odczytu",
     "Read-only file system"},
    {Msg::UnknownError,
     "Nieznany błąd",
     "Unknown error"},
    // 210, 211: a Tomb Raider 1 level under another level's extension
    {Msg::LevelIsTr1,
     "To jest poziom Tomb Raider 1; otwórz go jako .phd",
     "This is a Tomb Raider 1 level; open it as .phd"},
    // 212, 213: a Tomb Raider 2 level under another level's extension
    {Msg::LevelIsTr2,
     "To jest poziom Tomb Raider 2; otwórz go jako .tr2",
     "This is a Tomb Raider 2 level; open it as .tr2"},
    // 214, 215: a Tomb Raider 3 level under another level's extension
    {Msg::LevelIsTr3,
     "To jest poziom Tomb Raider 3; otwórz go jako .tr2",
     "This is a Tomb Raider 3 level; open it as .tr2"},
    // 216, 217: a Tomb Raider 4 or 5 level under another level's extension
    {Msg::LevelIsTr45,
     "To jest poziom Tomb Raider 4 lub 5; otwórz go jako .tr4 lub .trc",
     "This is a Tomb Raider 4 or 5 level; open it as .tr4 or .trc"},
    // 218, 219: a level of the remastered Tomb Raider 4
    {Msg::RemasteredTr4,
     "To jest poziom zremasterowanego Tomb Raider 4; takie poziomy nie są obsługiwane",
     "This is a remastered Tomb Raider 4 level; remastered levels are not supported"},
    // 220, 221: a level of the remastered Tomb Raider 5
    {Msg::RemasteredTr5,
     "To jest poziom zremasterowanego Tomb Raider 5; takie poziomy nie są obsługiwane",
     "This is a remastered Tomb Raider 5 level; remastered levels are not supported"},
    // 222, 223: the file dialogs' type line of Tomb Raider 1 levels
    {Msg::Tr1LevelFilter,
     "Poziom Tomb Raider 1",
     "Tomb Raider 1 level"},
    // 224, 225: Save / Save As with an extension no writer takes
    {Msg::ExtensionNotWritten,
     "Nic nie zapisano: plików z takim rozszerzeniem nie można zapisać. Użyj jednego z rozszerzeń: %1.",
     "Nothing was saved: files with this extension cannot be written. Use one of these extensions: %1."},
    // 226, 227: at start or close, when config.dat can be written nowhere
    {Msg::SettingsCannotBeSaved,
     "Nie można zapisać ustawień (config.dat): ani folder programu, ani folder ustawień użytkownika nie pozwala na zapis.",
     "The settings (config.dat) cannot be saved: neither the program's folder nor the user's settings folder can be written."},
    // 228, 229: a refused file; %1 the file, %2 why
    {Msg::FileRefused,
     "„%1”: %2",
     "\"%1\": %2"},
    // 230, 231: a file read with rows missing; %1 the file, %2 how many rows
    {Msg::RowsMissing,
     "Plik „%1” jest niekompletny (brakujące wiersze pikseli: %2); wypełniono je kolorem przeźroczystym.",
     "\"%1\" is incomplete (missing rows of pixels: %2); they have been filled with the transparent colour."},
    // 232, 233: asked before a JPEG save of a package with transparent pixels; %1 how many
    {Msg::JpegLosesTransparency,
     "JPEG nie zachowuje koloru przeźroczystego: liczba pikseli, które się zmienią: %1.",
     "JPEG cannot keep the transparent colour: %1 pixels will change."},
    // 234, 235: the button that saves as JPEG all the same
    {Msg::SaveAnyway,
     "Zapisz mimo to",
     "Save anyway"},
    // 236, 237: the button that does nothing
    {Msg::Cancel,
     "Anuluj",
     "Cancel"},
    // 238, 239: the title of the new / modify dialog
    {Msg::PackageDialogTitle,
     "Pakiet tekstur",
     "Texture package"},
    // 240, 241: an export base no exporter takes; %1 the base, %2 the extensions that work
    {Msg::BaseNotTaken,
     "Nie można eksportować do pliku „%1”: tekstury można osadzić tylko w plikach %2.",
     "Cannot export into \"%1\": textures can only go into %2 files."},
    // 242, 243: the export's size check; %1 the package's size, %2 the base, %3 its textures' size
    {Msg::BaseSizeDiffers,
     "Rozmiar pakietu (%1) nie jest zgodny z rozmiarem tekstur poziomu „%2” (%3).",
     "The package (%1) is not the size of the textures of \"%2\" (%3)."},
    // 244-263: the file dialogs' type lines
    {Msg::AllSupportedFilter,
     "Obsługiwane formaty",
     "Supported formats"},
    {Msg::TgaFilter,
     "Pakiet tekstur",
     "Texture package"},
    {Msg::BmpFilter,
     "Mapa bitowa",
     "Bitmap"},
    {Msg::JpegFilter,
     "Mapa bitowa JPEG",
     "JPEG image"},
    {Msg::PngFilter,
     "Obraz PNG",
     "PNG image"},
    {Msg::Tr23Filter,
     "Level Tomb Raider 2, 3",
     "Tomb Raider 2 or 3 level"},
    {Msg::Tr4Filter,
     "Level Tomb Raider 4",
     "Tomb Raider 4 level"},
    {Msg::Tr5Filter,
     "Level Tomb Raider 5",
     "Tomb Raider 5 level"},
    {Msg::Tr25Filter,
     "Level Tomb Raider 2, 3, 4, 5",
     "Tomb Raider 2-5 level"},
    {Msg::WadFilter,
     "Pakiet obiektów Tomb Raider",
     "Tomb Raider object package"},
    // 264-305: why a file cannot be read, in the %2 of CannotReadFile
    {Msg::TooShortForTr23,
     "plik jest za krótki (%1 bajtów) na poziom Tomb Raider 2 lub 3",
     "the file is too short (%1 bytes) to be a Tomb Raider 2 or 3 level"},
    {Msg::TooShortForTr45,
     "plik jest za krótki (%1 bajtów) na poziom Tomb Raider 4 lub 5",
     "the file is too short (%1 bytes) to be a Tomb Raider 4 or 5 level"},
    {Msg::TooShortForWad,
     "plik jest za krótki (%1 bajtów) na pakiet obiektów",
     "the file is too short (%1 bytes) to be an object package"},
    {Msg::NegativeCount,
     "liczba lub rozmiar w nagłówku jest ujemna (%1)",
     "a count or size in its header is negative (%1)"},
    {Msg::PagesBeyondEnd,
     "jego strony tekstur (%1) sięgają poza koniec pliku (bajtów: %2)",
     "its %1 texture pages would end beyond the end of the file (%2 bytes)"},
    {Msg::DataBeyondEnd,
     "jego dane tekstur sięgają bajtu %1, poza koniec pliku (%2 bajtów)",
     "its texture data would reach byte %1, beyond the end of the file (%2 bytes)"},
    {Msg::PagesOver1GiB,
     "%1 stron tekstur dałoby pakiet większy niż 1 GiB",
     "%1 texture pages would make a package larger than 1 GiB"},
    {Msg::BlockOver1GiB,
     "jego blok tekstur o rozmiarze %1 bajtów przekracza limit 1 GiB",
     "its texture block of %1 bytes would pass the 1 GiB limit"},
    {Msg::BlockCannotInflate,
     "jego blok tekstur o rozmiarze %1 bajtów nie może powstać z %2 skompresowanych bajtów zawartych w pliku",
     "its texture block of %1 bytes cannot come from the %2 compressed bytes the file holds"},
    {Msg::NotEnoughMemory,
     "brak pamięci",
     "not enough memory"},
    {Msg::ZlibStreamOverrun,
     "błąd zlib: skompresowany blok tekstur nie kończy się w zadeklarowanym rozmiarze",
     "zlib error: the compressed texture block does not end within its stated size"},
    {Msg::ZlibError,
     "błąd zlib: „%1”",
     "zlib error: \"%1\""},
    {Msg::StructureBeyondEnd,
     "struktura poziomu od bajtu %1 sięga poza koniec pliku (%2 bajtów)",
     "a structure of the level from byte %1 would end beyond the end of the file (%2 bytes)"},
    {Msg::LastStructureEarly,
     "jego ostatnia struktura kończy się w bajcie %1, a nie na końcu pliku (%2 bajtów)",
     "its last structure ends at byte %1, not at the end of the file (%2 bytes)"},
    {Msg::TgaTooLarge,
     "plik TGA mieści najwyżej 65535 x 65535 pikseli, nie %1 x %2",
     "a TGA file holds at most 65535 x 65535 pixels, not %1 x %2"},
    {Msg::PixelDataShort,
     "jego %1 x %2 pikseli potrzebuje %3 bajtów danych, a plik zawiera %4",
     "its %1 x %2 pixels need %3 bytes of pixel data, the file holds %4"},
    {Msg::OnlyBmpOrJpeg,
     "tu czytane są tylko pliki %1",
     "only %1 files are read here"},
    {Msg::NotAPng,
     "to nie jest obraz PNG albo jego nagłówek jest uszkodzony",
     "not a PNG picture or its header is damaged"},
    {Msg::PictureNotAsHeader,
     "obraz nie zgadza się ze swoim nagłówkiem",
     "the picture does not match its header"},
    {Msg::TooManyJpegScans,
     "%1 przebiegów to znacznie więcej, niż potrzebuje obraz %2 x %3",
     "%1 scans are far more than a %2 x %3 picture needs"},
    {Msg::DecodeOver1GiB,
     "dekodowanie obrazu wymagałoby ponad 1 GiB pamięci",
     "decoding the picture would take more than 1 GiB of memory"},
    // 306-351: the background colours of the new / modify dialog
    {Msg::ColourBlack,
     "Czarny",
     "Black"},
    {Msg::ColourMaroon,
     "Kasztanowy",
     "Maroon"},
    {Msg::ColourGreen,
     "Zielony",
     "Green"},
    {Msg::ColourOlive,
     "Oliwkowy",
     "Olive"},
    {Msg::ColourNavy,
     "Granatowy",
     "Navy"},
    {Msg::ColourPurple,
     "Purpurowy",
     "Purple"},
    {Msg::ColourTeal,
     "Morski",
     "Teal"},
    {Msg::ColourGray,
     "Szary",
     "Gray"},
    {Msg::ColourSilver,
     "Srebrny",
     "Silver"},
    {Msg::ColourRed,
     "Czerwony",
     "Red"},
    {Msg::ColourLime,
     "Limonkowy",
     "Lime"},
    {Msg::ColourYellow,
     "Żółty",
     "Yellow"},
    {Msg::ColourBlue,
     "Niebieski",
     "Blue"},
    {Msg::ColourFuchsia,
     "Fuksja",
     "Fuchsia"},
    {Msg::ColourAqua,
     "Cyjan",
     "Aqua"},
    {Msg::ColourWhite,
     "Biały",
     "White"},
    {Msg::ColourMoneyGreen,
     "Miętowy",
     "Money Green"},
    {Msg::ColourSkyBlue,
     "Błękitny",
     "Sky Blue"},
    {Msg::ColourCream,
     "Kremowy",
     "Cream"},
    {Msg::ColourMediumGray,
     "Średnioszary",
     "Medium Gray"},
    {Msg::ColourNone,
     "Brak",
     "None"},
    {Msg::ColourDefault,
     "Domyślny",
     "Default"},
    {Msg::ColourCustom,
     "Własny...",
     "Custom..."},
    // 352-361: the author box
    {Msg::CopyrightLine,
     "© 2026 twórcy programu Tilesmith",
     "© 2026 the Tilesmith developers"},
    {Msg::FormatDocumenters,
     "autorzy opisów formatów poziomów",
     "the level-format documenters"},
    {Msg::Testers,
     "testerzy",
     "the testers"},
    {Msg::SuggestionSenders,
     "wszyscy, którzy przysłali sugestie",
     "everyone who sent suggestions"},
    {Msg::PackagedWithCMake,
     "Zbudowano przy użyciu CMake",
     "Packaged with CMake"},
    // 362, 363: a picture larger than a package may be; %1 x %2 its size
    {Msg::PictureTooLarge,
     "obraz %1 x %2 pikseli jest za duży",
     "%1 x %2 pixels is too large a picture"},
    // 364, 365: Edycja -> redo
    {Msg::Redo,
     "Ponów",
     "Redo"},
    // 366, 367: Widok -> view_zoomin
    {Msg::ZoomIn,
     "Powiększ",
     "Zoom in"},
    // 368, 369: Widok -> view_zoomout
    {Msg::ZoomOut,
     "Pomniejsz",
     "Zoom out"},
    // 370, 371: Widok -> view_actualsize
    {Msg::ActualSize,
     "Rzeczywisty rozmiar",
     "Actual size"},
    // 372, 373: a level whose structures cannot be walked to its texture references
    {Msg::TextureUseUnknown,
     "Nie można ustalić użycia tekstur w „%1”: %2",
     "The texture use of \"%1\" cannot be read: %2"},
    // 374, 375: texture use asked of an image or object package
    {Msg::TextureUseOnlyInLevels,
     "użycie tekstur zapisują tylko poziomy",
     "texture use is recorded only in levels"},
    // 376, 377: Widok -> show texture use (check item)
    {Msg::ShowTextureUse,
     "Pokaż użycie tekstur",
     "Show texture use"},
    // 378, 379: status bar, the object and sprite textures mapping the pixel under the
    // pointer: the plural form of 5-21, 25-31... (UsedByOneFace, UsedByFewFaces the others)
    {Msg::UsedByFaces,
     "używa go %1 ścian",
     "used by %1 faces"},
    // 380, 381: after an export, the changed tiles and those the level maps
    {Msg::TilesChangedUsed,
     "Zmienione płytki: %1, w tym używane przez poziom: %2",
     "Tiles changed: %1, of them used by the level: %2"},
    // 382-391: why a level's texture use cannot be read, in the %2 of TextureUseUnknown
    {Msg::MarkerMissing,
     "brak znacznika „%1” w bajcie %2 danych poziomu",
     "the marker \"%1\" is missing at byte %2 of the level data"},
    {Msg::LevelDataCannotInflate,
     "jego blok danych poziomu nie rozpakowuje się do zadeklarowanych %1 bajtów",
     "its level data block does not inflate to its stated %1 bytes"},
    {Msg::LevelDataBeyondEnd,
     "struktura poziomu od bajtu %1 sięga poza koniec bloku danych poziomu (%2 bajtów)",
     "a structure of the level from byte %1 would end beyond the end of the level data block (%2 bytes)"},
    {Msg::LevelDataEndsEarly,
     "ostatnia struktura kończy się w bajcie %1, a nie na końcu bloku danych poziomu (%2 bajtów)",
     "its last structure ends at byte %1, not at the end of the level data block (%2 bytes)"},
    {Msg::LevelDataTooLarge,
     "jego blok danych poziomu o rozmiarze %1 bajtów jest większy niż w jakimkolwiek poziomie",
     "its level data block of %1 bytes is larger than any level's"},
    // 392, 393: the button beside the gauge while long work runs (also Escape);
    // not "Cancel", which is the English of Anuluj
    {Msg::StopJob,
     "Przerwij",
     "Stop"},
    // 394, 395: closing the window while long work runs, Yes/No
    {Msg::StopJobQuestion,
     "Trwa praca w tle. Przerwać ją i zamknąć okno?",
     "Work is still running. Stop it and close the window?"},
    // 396, 397: the picture codecs cannot be loaded; %1 the module, %2 why
    {Msg::NotABmp,
     "to nie jest obraz BMP albo jego nagłówek jest uszkodzony",
     "not a BMP picture or its header is damaged"},
    // 398, 399: a turn asked of a region that is not square
    {Msg::TurnNeedsSquare,
     "Obrócić można tylko kwadratowy obszar: zaznacz tyle samo wierszy, co kolumn.",
     "Only a square region can be turned: select as many rows as columns."},
    // 400, 401: after an add, %1 tiles past the target's edge of %2 in the source region
    {Msg::TilesLeftOut,
     "Płytki pominięte, poza krawędzią pakietu docelowego: %1 z %2.",
     "Tiles left out, past the edge of the target package: %1 of %2."},
    // 402, 403: why a level's texture use cannot be read: %1 words from byte %2 are not zero
    {Msg::WordsNotZero,
     "słowa (%1) od bajtu %2 danych poziomu nie są zerami",
     "the %1 words from byte %2 of the level data are not zero"},
    // 404, 405: a level walked with bytes after its last structure; %1 the level, %2 how many
    {Msg::LevelBytesIgnored,
     "„%1”: pominięto bajty po ostatniej strukturze poziomu: %2",
     "\"%1\": %2 bytes after the level's last structure were ignored"},
    {Msg::PngDamaged,
     "dane obrazu PNG są uszkodzone (%1)",
     "the PNG picture's data is damaged (%1)"},
    {Msg::PngEndsEarly,
     "plik kończy się przed końcem obrazu PNG",
     "the file ends before the PNG picture does"},
    {Msg::PngEmpty,
     "obraz PNG musi mieć choć jeden piksel",
     "a PNG picture holds at least one pixel"},
    {Msg::BmpUnsupported,
     "nieobsługiwany rodzaj obrazu BMP (%1 bitów na piksel, kompresja %2)",
     "unsupported kind of BMP picture (%1 bits a pixel, compression %2)"},
    // 414, 415: the rooms of a level cannot be read; %1 the level, %2 why
    {Msg::RoomsUnknown,
     "Nie można odczytać pomieszczeń poziomu „%1”: %2",
     "The rooms of \"%1\" cannot be read: %2"},
    // 416, 417: rooms asked of an image or object package
    {Msg::RoomsOnlyInLevels,
     "pomieszczenia mają tylko poziomy",
     "only levels have rooms"},
    // 418, 419: why, in the %2 of RoomsUnknown; %1 the room, %2 its bytes
    {Msg::RoomDataBeyondEnd,
     "geometria pomieszczenia %1 nie mieści się w jego %2 bajtach",
     "the geometry of room %1 does not fit in its %2 bytes"},
    // 420, 421: why, in the %2 of RoomsUnknown; %1 the byte, %2 the mesh data's bytes
    {Msg::MeshBeyondEnd,
     "siatka od bajtu %1 danych siatek nie mieści się w ich %2 bajtach",
     "a mesh from byte %1 of the mesh data does not fit in its %2 bytes"},
    // 422, 423: the tiles gathered from many files would not fit one package
    {Msg::CollectTooLarge,
     "%1 płytek nie mieści się w jednym pakiecie (najwyżej %2 pikseli)",
     "%1 tiles do not fit one package (at most %2 pixels)"},
    // 404-409: Tekstura -> find_duplicates, remove_duplicates, select_unused
    {Msg::FindDuplicates,
     "Znajdź powtórzenia",
     "Find duplicates"},
    {Msg::RemoveDuplicates,
     "Usuń powtórzenia",
     "Remove duplicate tiles"},
    {Msg::SelectUnused,
     "Zaznacz nieużywane",
     "Select unused tiles"},
    // 430, 431: the tolerance Find duplicates asks for
    {Msg::ToleranceLabel,
     "Tolerancja (poziomy na kanał, 0 = dokładnie):",
     "Tolerance (levels per channel, 0 = exact):"},
    // 432, 433: status bar, the tiles marked in the pane
    {Msg::TilesMarked,
     "Zaznaczone płytki: %1",
     "%1 tiles selected"},
    // 434, 435: status bar, the tiles Remove duplicate tiles took away
    {Msg::DuplicatesRemoved,
     "Usunięte powtórzenia: %1",
     "%1 duplicate tiles removed"},
    // 436, 437: a change asked while a job holds the document
    {Msg::DocumentBusy,
     "Dokument jest zajęty trwającą pracą; zaczekaj na jej koniec lub ją zatrzymaj.",
     "The document is busy with work in progress; wait for it to end or stop it."},
    // 404 - 407: the Edit menu's undo and redo, %1 the step
    {Msg::UndoStep, "Cofnij: %1", "Undo %1"},
    {Msg::RedoStep, "Ponów: %1", "Redo %1"},
    // 408 - 415: names of history steps
    {Msg::StepNewPackage, "Nowy pakiet", "New package"},
    {Msg::StepResizePackage, "Zmiana rozmiaru pakietu", "Resize package"},
    {Msg::StepOpenTarget, "Otwarcie pliku docelowego", "Open target"},
    {Msg::StepLiteral, "%1", "%1"},
    // 416 - 421: the history panel
    {Msg::HistoryPanel, "Historia zmian", "Undo history"},
    {Msg::HistoryStart, "(początek)", "(start)"},
    {Msg::HistorySaved, "%1 \u2014 zapisano", "%1 \u2014 saved"},
    // 456, 457: before a step larger than the history's bound, Yes/No
    {Msg::StepEmptiesHistory,
     "Ten krok zajmie więcej niż %1 MiB pamięci historii: wykonanie go wyczyści całą historię cofania. "
     "Kontynuować?",
     "This step needs more than the history's %1 MiB: taking it empties the whole undo history. Go on?"},
    // 458-463: status bar, the textures mapping the pixel under the pointer: none, 1, and
    // the plural form of 2-4, 22-24... (English: any count above 1)
    {Msg::UsedByNoFace,
     "nie używa go żadna ściana",
     "used by no face"},
    {Msg::UsedByOneFace,
     "używa go %1 ściana",
     "used by %1 face"},
    {Msg::UsedByFewFaces,
     "używają go %1 ściany",
     "used by %1 faces"},
    // 464, 465: a file opened that no format reads; %1 the file, %2 the extensions read
    {Msg::NoKnownKind,
     "Nie można otworzyć „%1”: nie jest to plik żadnego obsługiwanego rodzaju. Obsługiwane rozszerzenia: %2",
     "Cannot open \"%1\": it is not a file of any supported kind. Supported extensions: %2"},
    // 466, 467: the open dialogs' type line of every file
    {Msg::AllFilesFilter,
     "Wszystkie pliki",
     "All files"},
    // 468, 469: the stop button once asked, until the job has ended
    {Msg::StoppingJob,
     "Przerywam…",
     "Stopping…"},
    // 470, 471: Edit menu: the whole package of the pane clicked last
    {Msg::SelectAll,
     "Zaznacz wszystko",
     "Select all"},
    // 472, 473: status bar: %1 the source pane's zoom, %2 the target's
    {Msg::ZoomOfPanes,
     "%1× | %2×",
     "%1× | %2×"},
    // 474-481: the colour-reduction steps, with each language's decimal sign
    {Msg::Reduce625, "6,25 %", "6.25 %"},
    {Msg::Reduce125, "12,5 %", "12.5 %"},
    {Msg::Reduce25, "25 %", "25 %"},
    {Msg::Reduce375, "37,5 %", "37.5 %"},
    // 482, 483: the subject of the suggestions mail
    {Msg::MailSubject,
     "Tilesmith: propozycje, sugestie, błędy",
     "Tilesmith: proposals, suggestions, bugs"},
    // 484, 485: no mail program could be started; %1 the address, to copy
    {Msg::MailAddress,
     "Nie udało się uruchomić programu pocztowego. Propozycje prosimy wysyłać na adres:\n\n%1",
     "No mail program could be started. Please send your suggestions to:\n\n%1"},
    // 486, 487: the zoom panel's tip; %1 the source pane's zoom, %2 the target's
    {Msg::ZoomTip,
     "Powiększenie: źródło %1×, cel %2×",
     "Zoom: source %1×, target %2×"},
    // 488, 489: Widok -> the level in 3D (also the dock's title)
    {Msg::LevelIn3D,
     "Widok 3D poziomu",
     "Level in 3D"},
    // 438-445: the 3D view's button and check boxes
    {Msg::FrameLevel,
     "Pokaż cały poziom",
     "Frame the level"},
    {Msg::BilinearFiltering,
     "Filtrowanie dwuliniowe",
     "Bilinear filtering"},
    {Msg::RoomLighting,
     "Oświetlenie pomieszczeń",
     "Room lighting"},
    {Msg::AlternateRooms,
     "Pomieszczenia alternatywne",
     "Alternate rooms"},
    // 446-449: the 3D view's room list; %1 the room
    {Msg::RoomItem,
     "Pomieszczenie %1",
     "Room %1"},
    {Msg::AlternateRoomItem,
     "Pomieszczenie %1 (alternatywne)",
     "Room %1 (alternate)"},
    // 450-453: what the 3D view shows instead of a level
    {Msg::NoOpenGL,
     "OpenGL jest niedostępny, więc widoku 3D nie można pokazać.",
     "OpenGL is not available, so the 3D view cannot be shown."},
    {Msg::NoLevelInPanes,
     "Żaden panel nie pokazuje poziomu: otwórz poziom, aby zobaczyć go w 3D.",
     "Neither pane shows a level: open a level to see it in 3D."},
    // 506, 507: status bar after a click on a face; %1 room, %2 face, %3 object texture
    {Msg::PickedFace,
     "pomieszczenie %1, ściana %2, tekstura obiektu %3",
     "room %1, face %2, object texture %3"},
    // 508, 509: Widok -> the target shown on the rooms of a base level, before any export
    {Msg::PreviewOnLevel,
     "Podgląd na poziomie bazowym...",
     "Preview on a base level..."},
    // 510, 511: Informacje -> help (F1), and the help window's title
    {Msg::HelpTitle,
     "Pomoc",
     "Help"},
    // 512, 513: the short manual of the help window, a paragraph a line
    {Msg::HelpManual,
     "Tilesmith składa pakiety tekstur: obrazy z płytek 64 x 64, jak strony 256 x 256 w poziomach Tomb Raidera.\n"
     "Lewy panel pokazuje pakiet źródłowy (Plik > Otwórz plik źródłowy: obraz TGA, BMP, JPEG, PNG, poziom lub "
     "pakiet obiektów), prawy pakiet docelowy, który edytujesz i zapisujesz.\n"
     "Zaznacz płytki w źródle kliknięciem lub przeciągnięciem, wskaż miejsce w celu i naciśnij Insert (Tekstura > "
     "Dodaj); Delete usuwa płytki celu. Efekty z menu Edycja i Efekty działają na zaznaczeniu celu jak na jednym "
     "obrazie.\n"
     "Każdą zmianę cofa Ctrl+Z i ponawia Ctrl+Y; Widok > Historia zmian pokazuje wszystkie kroki. Ctrl i kółko "
     "myszy powiększają panel.\n"
     "Plik > Eksportuj zapisuje pakiet w kopii poziomu. Widok > Widok 3D poziomu pokazuje poziom ubrany w pakiet tak, "
     "jak go teraz edytujesz.",
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
    {Msg::HelpCommands,
     "Polecenia i klawisze",
     "Commands and keys"},
    // 516, 517: the accept button of the save dialogs, the program's own word
    {Msg::SaveButton,
     "Zapisz",
     "Save"},
    // 518, 519: an export refused before anything is written: %1 the base level, %2 why its walk stopped
    {Msg::BaseNotWalked,
     "Nie można eksportować do poziomu „%1”, bo jego struktur nie da się odczytać do końca: %2",
     "Cannot export into \"%1\": its structures cannot be read to their end: %2"},
    // 520, 521: status bar, after the faces using the pixel: %1 those words, %2 faces of rooms, %3 faces of static meshes and moveables placed
    {Msg::UsedByFacesWhere,
     "%1: %2 w pomieszczeniach, %3 na obiektach",
     "%1: %2 in rooms, %3 on objects"},
    // 522, 523: status bar: %1 the faces' words, then %2 sprites placed using the pixel, in the plural forms of 1, of 2-4 (Polish) and the rest
    {Msg::AndOneSprite,
     "%1; %2 sprite",
     "%1; %2 sprite"},
    // 524, 525: the same, Polish 2-4, 22-24...
    {Msg::AndFewSprites,
     "%1; %2 sprite’y",
     "%1; %2 sprites"},
    // 526, 527: the same, the other counts
    {Msg::AndSprites,
     "%1; %2 sprite’ów",
     "%1; %2 sprites"},
    // 528, 529: status bar: no face but %1 sprites placed use the pixel, in the plural forms of 1, of 2-4 (Polish) and the rest
    {Msg::UsedByOneSprite,
     "używa go %1 sprite",
     "used by %1 sprite"},
    // 530, 531: the same, Polish 2-4, 22-24...
    {Msg::UsedByFewSprites,
     "używają go %1 sprite’y",
     "used by %1 sprites"},
    // 532, 533: the same, the other counts
    {Msg::UsedBySprites,
     "używa go %1 sprite’ów",
     "used by %1 sprites"},
    // 534, 535: status bar after a click on a face of a static mesh; %1 room,
    // %2 the static mesh's id, %3 face in its mesh, %4 object texture
    {Msg::PickedStaticFace,
     "pomieszczenie %1, obiekt statyczny %2, ściana %3, tekstura obiektu %4",
     "room %1, static mesh %2, face %3, object texture %4"},
    // 536, 537: status bar after a click on a face of a moveable; %1 its object
    // id, %2 its mesh, %3 face in the mesh, %4 object texture
    {Msg::PickedMoveableFace,
     "obiekt ruchomy %1, siatka %2, ściana %3, tekstura obiektu %4",
     "moveable %1, mesh %2, face %3, object texture %4"},
    // 538-541: status bar after a click on a sprite; %1 sprite texture, %2 room or item
    {Msg::PickedRoomSprite,
     "tekstura sprite’a %1, pomieszczenie %2",
     "sprite texture %1, room %2"},
    {Msg::PickedItemSprite,
     "tekstura sprite’a %1, przedmiot %2",
     "sprite texture %1, item %2"},
    // 542, 543: the 3D view's check box: animated textures cycling
    {Msg::AnimatedTextures,
     "Animowane tekstury",
     "Animated textures"},
    // 544-547: the 3D view's title; %1 the level's file name
    {Msg::LevelIn3DSource,
     "Widok 3D poziomu: %1, źródło",
     "Level in 3D: %1, source"},
    {Msg::LevelIn3DTarget,
     "Widok 3D poziomu: %1, cel",
     "Level in 3D: %1, target"},
    // 548, 549: the 3D view's mouse and keys, its tooltip and a paragraph of the help
    {Msg::LevelViewKeys,
     "Widok 3D poziomu: przeciągnięcie lewym przyciskiem myszy obraca widok wokół oglądanego punktu, środkowym "
     "przesuwa ten punkt, a kółko przybliża i oddala. Z wciśniętym prawym przyciskiem rozglądasz się i lecisz "
     "klawiszami W, A, S, D (Q w dół, E w górę). Kliknięcie ściany lub sprite’a zaznacza płytki jego tekstury, a "
     "wskazanie płytki w panelu podświetla każdą ścianę i każdy sprite, które jej używają.",
     "Level in 3D: drag with the left mouse button to turn about the point looked at, with the middle button to "
     "move that point; the wheel comes nearer or goes back. Hold the right button to look around and fly with W, "
     "A, S, D (Q down, E up). A click on a face or a sprite selects the tiles of its texture, and pointing at a "
     "tile in a pane tints every face and sprite that uses it."},
};

// Every Msg is the entry of its pair's Polish text, and the table ends with
// the enumeration: a pair added, removed or moved on one side only does not compile.
constexpr bool pairs_in_place() {
    for (int p = 0; p < int(std::size(kPairs)); ++p)
        if (static_cast<int>(kPairs[p].key) != 2 * p) return false;
    return true;
}
static_assert(pairs_in_place(), "a pair of the string table is not at the place its Msg names");
static_assert(2 * int(std::size(kPairs)) == kStringCount, "the string table and kStringCount differ");
static_assert(static_cast<int>(Msg::EndOfTable) == kStringCount, "Msg::EndOfTable is not after the last pair");

}  // namespace

std::string_view lang_text(int entry) {
    if (entry < 0 || entry >= kStringCount) return {};
    const Pair& pair = kPairs[entry / 2];
    return entry % 2 == 0 ? pair.polish : pair.english;
}

std::string_view text_of(Msg message, Language language) {
    return lang_text(static_cast<int>(message) + static_cast<int>(language));
}

}  // namespace tilesmith
