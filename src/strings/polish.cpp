// The interface in Polish, the design's own language: a text for every Msg, in the
// order of the enumeration. The comment before a text names the entries of its
// pair (Polish, English) and what shows it. Pair 78 belongs to nothing and is left empty.
#include "strings/languages.h"

namespace tilesmith {

namespace {

constexpr Text kTexts[] = {
    // 0-5: questions no longer asked (the steps can be undone); kept for the numbering
    // 0, 1: message: confirmation before changing an existing package, Yes/No
    {Msg::ModifyPackageQuestion, "Modyfikujesz istniejący pakiet tekstur, wskutek zmiany rozmiaru mogę zostać utracone utworzone tekstury, czy chcesz kontynuować?"},
    // 2, 3: message: confirmation before "Kopiuj pakiet", Yes/No
    {Msg::CopyPackageQuestion, "Operacja ta spowoduje skopiowanie pakietu tekstur z pliku źródłowego do pakietu tekstur pliku docelowego, tekstury docelowe zostaną utracone, bufor cofnięcia zmian zostanie wyczyszczony, czy chcesz kontynuować?"},
    // 4, 5: message: confirmation that the target package takes the source size, Yes/No
    {Msg::TakeSourceSizeQuestion, "Rozmiar pakietu źródłowego nie jest identyczny z rozmiarem pakietu docelowego, nastąpi automatyczne dopasowanie wymiarów pakietu docelowego, czy chcesz kontynuować?"},
    // 6, 7: message: TGA file refused, wrong size or colour depth
    {Msg::WrongSizeOrDepth, "Nie można załadować pliku! Błędny rozmiar obrazu lub nieprawidłowa głębia kolorów!"},
    // 8, 9: message: TGA file refused, image type not recognised
    {Msg::UnknownImageType, "Nie można załadować pliku! Nierozpoznawalny format obrazu!"},
    // 10, 11: message: before choosing the base level
    {Msg::SelectBaseLevel, "Wybierz plik poziomu bazowego, w strukturze którego mają zostać osadzone tekstury."},
    // 12, 13: message: before choosing the output file
    {Msg::SelectOutputFile, "Wybierz plik do zapisu docelowego."},
    // 14, 15: message: package size differs from the level's texture set
    {Msg::PackageSizeMismatch, "Rozmiar pakietu nie jest zgodny z zamienianym pakietem w pliku!"},
    // 16, 17: message: output file is the base file
    {Msg::OutputIsBase, "Plik docelowy nie może zostać zapisany na pliku bazowym!"},
    // 18, 19: menu_file
    {Msg::MenuFile, "&Plik"},
    // 20, 21: menu_edit
    {Msg::MenuEdit, "&Edycja"},
    // 22, 23: menu_texture
    {Msg::MenuTexture, "&Tekstura"},
    // 24, 25: menu_effects
    {Msg::MenuEffects, "E&fekty"},
    // 26, 27: menu_options
    {Msg::MenuOptions, "&Opcje"},
    // 28, 29: menu_about
    {Msg::MenuAbout, "&Informacje"},
    // 30, 31: new_package, hint of tool_new_package
    {Msg::NewModify, "&Nowy / modyfikuj..."},
    // 32, 33: open_source, hint of tool_open_source
    {Msg::OpenSource, "&Otwórz plik źródłowy..."},
    // 34, 35: open_target
    {Msg::OpenTarget, "Otwórz plik &docelowy..."},
    // 36, 37: save_target, hint of tool_save_target
    {Msg::SaveTarget, "&Zapisz plik docelowy"},
    // 38, 39: save_target_as
    {Msg::SaveTargetAs, "Zapisz plik docelowy &jako..."},
    // 40, 41: menu_export
    {Msg::Export, "&Eksportuj"},
    // 42, 43: export_to_level
    {Msg::ExportToLevel, "&Do poziomu Tomb Raider 1-5..."},
    // 44, 45: exit
    {Msg::Exit, "Za&kończ"},
    // 46, 47: undo, hint of tool_undo
    {Msg::Undo, "&Cofnij"},
    // 48, 49: cut, hint of tool_cut
    {Msg::Cut, "&Wytnij"},
    // 50, 51: copy_to_clipboard, hint of tool_copy_to_clipboard
    {Msg::CopyToClipboard, "&Kopiuj do schowka"},
    // 52, 53: paste_from_clipboard, hint of tool_paste_from_clipboard
    {Msg::PasteFromClipboard, "Wk&lej ze schowka"},
    // 54, 55: menu_rotate
    {Msg::Rotate, "&Obróć o kąt"},
    // 56, 57: rotate90
    {Msg::Rotate90, "&90° w lewo"},
    // 58, 59: hint of tool_rotate90
    {Msg::Rotate90Hint, "Obróć o 90° w lewo"},
    // 60, 61: menu_flip
    {Msg::Flip, "O&dbij"},
    // 62, 63: flip_horizontally
    {Msg::FlipHorizontally, "W &poziomie"},
    // 64, 65: flip_vertically
    {Msg::FlipVertically, "W p&ionie"},
    // 66, 67: hint of tool_flip_horizontally
    {Msg::FlipHorizontallyHint, "Odbij w poziomie"},
    // 68, 69: hint of tool_flip_vertically
    {Msg::FlipVerticallyHint, "Odbij w pionie"},
    // 70, 71: menu_gamma
    {Msg::Gamma, "&Gamma"},
    // 72, 73: hint of tool_gamma_up
    {Msg::GammaUpHint, "Gamma (powiększ)"},
    // 74, 75: hint of tool_gamma_down
    {Msg::GammaDownHint, "Gamma (pomniejsz)"},
    // 76, 77: menu_view
    {Msg::View, "&Widok"},
    // 78, 79: grid_visible
    {Msg::Grid, "&Siatka"},
    // 80, 81: tx_add, hint of tool_add
    {Msg::Add, "&Dodaj"},
    // 82, 83: tx_del, hint of tool_del
    {Msg::Delete, "&Usuń"},
    // 84, 85: tx_copytrans, hint of tool_copytrans
    {Msg::CopyTransparency, "Kopiuj &przeźroczystość"},
    // 86, 87: tx_copy
    {Msg::CopyPackage, "&Kopiuj pakiet"},
    // 88, 89: invert_colors, hint of tool_invert_colors
    {Msg::Invert, "&Odwróć kolory"},
    // 90, 91: average_color
    {Msg::AverageColor, "&Kolor średni"},
    // 92, 93: menu_color_reduction, hint of tool_reduce_colors
    {Msg::ColorReduction, "&Redukcja kolorów"},
    // 94, 95: menu_palette
    {Msg::Palette, "&Paleta kolorów"},
    // 96, 97: gray_scale
    {Msg::Grayscale, "&Odcienie szarości"},
    // 98, 99: hint of tool_gray_scale
    {Msg::GrayscaleHint, "Paleta: odcienie szarości"},
    // 100, 101: black_white
    {Msg::BlackAndWhite, "&Czarno - biała"},
    // 102, 103: hint of tool_black_white
    {Msg::BlackAndWhiteHint, "Paleta: czarno - biała"},
    // 104, 105: menu_channel_swap
    {Msg::ChannelSwap, "&Zamiana kanałów"},
    // 106, 107: menu_sharpen_channel; the command line's brighten_channel
    {Msg::TraceChannel, "Rozjaś&nij kanał"},
    // 108, 109: blur, hint of tool_blur
    {Msg::Blur, "Roz&mycie"},
    // 110, 111: pixelate, hint of tool_pixelate
    {Msg::Pixelate, "P&ikseloza"},
    // 112, 113: menu_button3d
    {Msg::Button3D, "Przycisk &3D"},
    // 114, 115: button3d_convex
    {Msg::Convex, "&Wypukły"},
    // 116, 117: button3d_concave
    {Msg::Concave, "W&klęsły"},
    // 118, 119: hint of tool_button3d_convex
    {Msg::ConvexHint, "Przycisk 3D: wypukły"},
    // 120, 121: menu_diaphragm
    {Msg::Diaphragm, "Prze&słona"},
    // 122, 123: diaphragm_horizontal
    {Msg::DiaphragmHorizontal, "&Pozioma..."},
    // 124, 125: diaphragm_vertical
    {Msg::DiaphragmVertical, "P&ionowa..."},
    // 126, 127: hint of tool_diaphragm
    {Msg::DiaphragmHint, "Przesłona pozioma..."},
    // 128, 129: menu_language
    {Msg::Language, "Język / &Language"},
    // 130, 131: language_pl
    {Msg::Polish, "&Polski"},
    // 132, 133: language_en
    {Msg::English, "&Angielski"},
    // 134, 135: auto_move
    {Msg::AutoMove, "&Automatycznie przesuwaj zaznaczenie"},
    // 136, 137: no component
    {Msg::RefreshAllTime, "Nieustanne odświeżanie obszaru roboczego"},
    // 138, 139: correct_transparent_color
    {Msg::CorrectTransparentColor, "&Korekcja koloru przeźroczystego (TR1-5)"},
    // 140, 141: open_8bit
    {Msg::Open8Bit, "&Otwieraj tekstury jako 8bit (TR2,3)"},
    // 142, 143: flat_look
    {Msg::XpStyle, "&Styl XP"},
    // 144, 145: show_coordinates
    {Msg::ShowCoordinates, "&Pokazuj współrzędne pola"},
    // 146, 147: select_color
    {Msg::SelectGridColor, "Kolor &zaznaczenia / siatki..."},
    // 148, 149: menu_grid_size
    {Msg::GridSize, "&Rozmiar siatki"},
    // 150, 151: author
    {Msg::Author, "&Autor..."},
    // 152, 153: version_history
    {Msg::VersionHistory, "&Historia wersji..."},
    // 154, 155: menu_correspondence
    {Msg::Correspondence, "&Korespondencja"},
    // 156, 157: unused
    {Msg::Unused, ""},
    // 158, 159: proposals_mail
    {Msg::ProposalsMail, "&Propozycje, sugestie, błędy..."},
    // 160, 161: status bar panel 0
    {Msg::SourcePackageLabel, "Pakiet źródłowy:"},
    // 162, 163: status bar panel 3
    {Msg::TargetPackageLabel, "Pakiet docelowy:"},
    // 164, 165: status bar panel 6
    {Msg::ProgressLabel, "Postęp:"},
    // 166, 167: new-package dialog: size_caption
    {Msg::PackageSizeLabel, "Rozmiar pakietu:"},
    // 168, 169: new-package dialog: width_caption
    {Msg::WidthLabel, "Szerokość:"},
    // 170, 171: new-package dialog: height_caption
    {Msg::HeightLabel, "Wysokość:"},
    // 172, 173: new-package dialog: background_caption
    {Msg::ColorLabel, "Kolor tła:"},
    // 174, 175: new-package dialog: button selection_size_button
    {Msg::SelectionSize, "Pobierz współrzędne zaznaczenia"},
    // 176, 177: new-package dialog: check box modify_box
    {Msg::ModifyPackage, "Modyfikuj pakiet"},
    // 178, 179: author dialog: games_caption
    {Msg::SupportedGames, "Pełne wspomaganie do gier:"},
    // 180, 181: author dialog: thanks_caption
    {Msg::ThanksTo, "Podziękowania dla:"},
    // 182, 183: asked before unsaved changes of the target are closed or replaced
    {Msg::SaveChangesQuestion, "Zapisać zmiany?"},
    // 184, 185: status bar, briefly, after a save or an export; %1 is the file name
    {Msg::FileSaved, "Zapisano: %1"},
    // 186-209: input/output errors; %1 is the file name, %2 why. The English
    // reasons of the system are glibc's own words.
    {Msg::CannotOpenFile, "Nie można otworzyć pliku „%1”: %2"},
    {Msg::CannotReadFile, "Nie można odczytać pliku „%1”: %2"},
    {Msg::CannotWriteFile, "Nie można zapisać pliku „%1”: %2"},
    {Msg::FileTruncated, "Plik „%1” jest niekompletny"},
    {Msg::ItIsAFolder, "to jest folder"},
    {Msg::NotARegularFile, "to nie jest zwykły plik"},
    {Msg::SeekFailed, "nie można przejść do miejsca w pliku"},
    {Msg::NoSuchFile, "nie ma takiego pliku ani folderu"},
    {Msg::PermissionDenied, "brak uprawnień"},
    {Msg::DiskFull, "brak miejsca na dysku"},
    {Msg::ReadOnlyFileSystem, "system plików tylko do odczytu"},
    {Msg::UnknownError, "Nieznany błąd"},
    // 210, 211: a Tomb Raider 1 level under another level's extension
    {Msg::LevelIsTr1, "To jest poziom Tomb Raider 1; otwórz go jako .phd"},
    // 212, 213: a Tomb Raider 2 level under another level's extension
    {Msg::LevelIsTr2, "To jest poziom Tomb Raider 2; otwórz go jako .tr2"},
    // 214, 215: a Tomb Raider 3 level under another level's extension
    {Msg::LevelIsTr3, "To jest poziom Tomb Raider 3; otwórz go jako .tr2"},
    // 216, 217: a Tomb Raider 4 or 5 level under another level's extension
    {Msg::LevelIsTr45, "To jest poziom Tomb Raider 4 lub 5; otwórz go jako .tr4 lub .trc"},
    // 218, 219: a level of the remastered Tomb Raider 4
    {Msg::RemasteredTr4, "To jest poziom zremasterowanego Tomb Raider 4; takie poziomy nie są obsługiwane"},
    // 220, 221: a level of the remastered Tomb Raider 5
    {Msg::RemasteredTr5, "To jest poziom zremasterowanego Tomb Raider 5; takie poziomy nie są obsługiwane"},
    // 222, 223: the file dialogs' type line of Tomb Raider 1 levels
    {Msg::Tr1LevelFilter, "Poziom Tomb Raider 1"},
    // 224, 225: Save / Save As with an extension no writer takes
    {Msg::ExtensionNotWritten, "Nic nie zapisano: plików z takim rozszerzeniem nie można zapisać. Użyj jednego z rozszerzeń: %1."},
    // 226, 227: at start or close, when config.dat can be written nowhere
    {Msg::SettingsCannotBeSaved, "Nie można zapisać ustawień (config.dat): ani folder programu, ani folder ustawień użytkownika nie pozwala na zapis."},
    // 228, 229: a refused file; %1 the file, %2 why
    {Msg::FileRefused, "„%1”: %2"},
    // 230, 231: a file read with rows missing; %1 the file, %2 how many rows
    {Msg::RowsMissing, "Plik „%1” jest niekompletny (brakujące wiersze pikseli: %2); wypełniono je kolorem przeźroczystym."},
    // 232, 233: asked before a JPEG save of a package with transparent pixels; %1 how many
    {Msg::JpegLosesTransparency, "JPEG nie zachowuje koloru przeźroczystego: {1:zmieni się %1 piksel|zmienią się %1 piksele|zmieni się %1 pikseli}."},
    // 234, 235: the button that saves as JPEG all the same
    {Msg::SaveAnyway, "Zapisz mimo to"},
    // 236, 237: the button that does nothing
    {Msg::Cancel, "Anuluj"},
    // 238, 239: the title of the new / modify dialog
    {Msg::PackageDialogTitle, "Pakiet tekstur"},
    // 240, 241: an export base no exporter takes; %1 the base, %2 the extensions that work
    {Msg::BaseNotTaken, "Nie można eksportować do pliku „%1”: tekstury można osadzić tylko w plikach %2."},
    // 242, 243: the export's size check; %1 the package's size, %2 the base, %3 its textures' size
    {Msg::BaseSizeDiffers, "Rozmiar pakietu (%1) nie jest zgodny z rozmiarem tekstur poziomu „%2” (%3)."},
    // 244-263: the file dialogs' type lines
    {Msg::AllSupportedFilter, "Obsługiwane formaty"},
    {Msg::TgaFilter, "Pakiet tekstur"},
    {Msg::BmpFilter, "Mapa bitowa"},
    {Msg::JpegFilter, "Mapa bitowa JPEG"},
    {Msg::PngFilter, "Obraz PNG"},
    {Msg::Tr23Filter, "Level Tomb Raider 2, 3"},
    {Msg::Tr4Filter, "Level Tomb Raider 4"},
    {Msg::Tr5Filter, "Level Tomb Raider 5"},
    {Msg::Tr25Filter, "Level Tomb Raider 2, 3, 4, 5"},
    {Msg::WadFilter, "Pakiet obiektów Tomb Raider"},
    // 264-305: why a file cannot be read, in the %2 of CannotReadFile
    {Msg::TooShortForTr23, "plik jest za krótki (%1 {1:bajt|bajty|bajtów}) na poziom Tomb Raider 2 lub 3"},
    {Msg::TooShortForTr45, "plik jest za krótki (%1 {1:bajt|bajty|bajtów}) na poziom Tomb Raider 4 lub 5"},
    {Msg::TooShortForWad, "plik jest za krótki (%1 {1:bajt|bajty|bajtów}) na pakiet obiektów"},
    {Msg::NegativeCount, "liczba lub rozmiar w nagłówku jest ujemna (%1)"},
    {Msg::PagesBeyondEnd, "jego strony tekstur (%1) sięgają poza koniec pliku (%2 {2:bajt|bajty|bajtów})"},
    {Msg::DataBeyondEnd, "jego dane tekstur sięgają bajtu %1, poza koniec pliku (%2 {2:bajt|bajty|bajtów})"},
    {Msg::PagesOver1GiB, "{1:%1 strona tekstur dałaby|%1 strony tekstur dałyby|%1 stron tekstur dałoby} pakiet większy niż 1 GiB"},
    {Msg::BlockOver1GiB, "jego blok tekstur o rozmiarze %1 bajtów przekracza limit 1 GiB"},
    {Msg::BlockCannotInflate, "jego blok tekstur o rozmiarze %1 bajtów nie może powstać z %2 skompresowanych bajtów zawartych w pliku"},
    {Msg::NotEnoughMemory, "brak pamięci"},
    {Msg::ZlibStreamOverrun, "błąd zlib: skompresowany blok tekstur nie kończy się w zadeklarowanym rozmiarze"},
    {Msg::ZlibError, "błąd zlib: „%1”"},
    {Msg::StructureBeyondEnd, "struktura poziomu od bajtu %1 sięga poza koniec pliku (%2 {2:bajt|bajty|bajtów})"},
    {Msg::LastStructureEarly, "jego ostatnia struktura kończy się w bajcie %1, a nie na końcu pliku (%2 {2:bajt|bajty|bajtów})"},
    {Msg::TgaTooLarge, "plik TGA mieści najwyżej 65535 x 65535 pikseli, nie %1 x %2"},
    {Msg::PixelDataShort, "jego %1 x %2 pikseli potrzebuje %3 bajtów danych, a plik zawiera %4"},
    {Msg::OnlyBmpOrJpeg, "tu czytane są tylko pliki %1"},
    {Msg::NotAPng, "to nie jest obraz PNG albo jego nagłówek jest uszkodzony"},
    {Msg::PictureNotAsHeader, "obraz nie zgadza się ze swoim nagłówkiem"},
    {Msg::TooManyJpegScans, "%1 {1:przebieg|przebiegi|przebiegów} to znacznie więcej, niż potrzebuje obraz %2 x %3"},
    {Msg::DecodeOver1GiB, "dekodowanie obrazu wymagałoby ponad 1 GiB pamięci"},
    // 306-351: the background colours of the new / modify dialog
    {Msg::ColourBlack, "Czarny"},
    {Msg::ColourMaroon, "Kasztanowy"},
    {Msg::ColourGreen, "Zielony"},
    {Msg::ColourOlive, "Oliwkowy"},
    {Msg::ColourNavy, "Granatowy"},
    {Msg::ColourPurple, "Purpurowy"},
    {Msg::ColourTeal, "Morski"},
    {Msg::ColourGray, "Szary"},
    {Msg::ColourSilver, "Srebrny"},
    {Msg::ColourRed, "Czerwony"},
    {Msg::ColourLime, "Limonkowy"},
    {Msg::ColourYellow, "Żółty"},
    {Msg::ColourBlue, "Niebieski"},
    {Msg::ColourFuchsia, "Fuksja"},
    {Msg::ColourAqua, "Cyjan"},
    {Msg::ColourWhite, "Biały"},
    {Msg::ColourMoneyGreen, "Miętowy"},
    {Msg::ColourSkyBlue, "Błękitny"},
    {Msg::ColourCream, "Kremowy"},
    {Msg::ColourMediumGray, "Średnioszary"},
    {Msg::ColourNone, "Brak"},
    {Msg::ColourDefault, "Domyślny"},
    {Msg::ColourCustom, "Własny..."},
    // 352-361: the author box
    {Msg::CopyrightLine, "© 2026 twórcy programu Tilesmith"},
    {Msg::FormatDocumenters, "autorzy opisów formatów poziomów"},
    {Msg::Testers, "testerzy"},
    {Msg::SuggestionSenders, "wszyscy, którzy przysłali sugestie"},
    {Msg::PackagedWithCMake, "Zbudowano przy użyciu CMake"},
    // 362, 363: a picture larger than a package may be; %1 x %2 its size
    {Msg::PictureTooLarge, "obraz %1 x %2 pikseli jest za duży"},
    // 364, 365: Edycja -> redo
    {Msg::Redo, "&Ponów"},
    // 366, 367: Widok -> view_zoomin
    {Msg::ZoomIn, "Powię&ksz"},
    // 368, 369: Widok -> view_zoomout
    {Msg::ZoomOut, "Po&mniejsz"},
    // 370, 371: Widok -> view_actualsize
    {Msg::ActualSize, "&Rzeczywisty rozmiar"},
    // 372, 373: a level whose structures cannot be walked to its texture references
    {Msg::TextureUseUnknown, "Nie można ustalić użycia tekstur w „%1”: %2"},
    // 374, 375: texture use asked of an image or object package
    {Msg::TextureUseOnlyInLevels, "użycie tekstur zapisują tylko poziomy"},
    // 376, 377: Widok -> show texture use (check item)
    {Msg::ShowTextureUse, "Pokaż &użycie tekstur"},
    // 378, 379: status bar, the object and sprite textures mapping the pixel under the
    // pointer: the plural form of 5-21, 25-31... (UsedByOneFace, UsedByFewFaces the others)
    {Msg::UsedByFaces, "używa go %1 ścian"},
    // 380, 381: after an export, the changed tiles and those the level maps
    {Msg::TilesChangedUsed, "Zmienione płytki: %1, w tym używane przez poziom: %2"},
    // 382-391: why a level's texture use cannot be read, in the %2 of TextureUseUnknown
    {Msg::MarkerMissing, "brak znacznika „%1” w bajcie %2 danych poziomu"},
    {Msg::LevelDataCannotInflate, "jego blok danych poziomu nie rozpakowuje się do zadeklarowanych %1 bajtów"},
    {Msg::LevelDataBeyondEnd, "struktura poziomu od bajtu %1 sięga poza koniec bloku danych poziomu (%2 {2:bajt|bajty|bajtów})"},
    {Msg::LevelDataEndsEarly, "ostatnia struktura kończy się w bajcie %1, a nie na końcu bloku danych poziomu (%2 {2:bajt|bajty|bajtów})"},
    {Msg::LevelDataTooLarge, "jego blok danych poziomu o rozmiarze %1 bajtów jest większy niż w jakimkolwiek poziomie"},
    // 392, 393: the button beside the gauge while long work runs (also Escape);
    // not "Cancel", which is the English of Anuluj
    {Msg::StopJob, "Przerwij"},
    // 394, 395: closing the window while long work runs, Yes/No
    {Msg::StopJobQuestion, "Trwa praca w tle. Przerwać ją i zamknąć okno?"},
    // 396, 397: the picture codecs cannot be loaded; %1 the module, %2 why
    {Msg::NotABmp, "to nie jest obraz BMP albo jego nagłówek jest uszkodzony"},
    // 398, 399: a turn asked of a region that is not square
    {Msg::TurnNeedsSquare, "Obrócić można tylko kwadratowy obszar: zaznacz tyle samo wierszy, co kolumn."},
    // 400, 401: after an add, %1 tiles past the target's edge of %2 in the source region
    {Msg::TilesLeftOut, "Płytki pominięte, poza krawędzią pakietu docelowego: %1 z %2."},
    // 402, 403: why a level's texture use cannot be read: %1 words from byte %2 are not zero
    {Msg::WordsNotZero, "słowa (%1) od bajtu %2 danych poziomu nie są zerami"},
    // 404, 405: a level walked with bytes after its last structure; %1 the level, %2 how many
    {Msg::LevelBytesIgnored, "„%1”: pominięto bajty po ostatniej strukturze poziomu: %2"},
    {Msg::PngDamaged, "dane obrazu PNG są uszkodzone (%1)"},
    {Msg::PngEndsEarly, "plik kończy się przed końcem obrazu PNG"},
    {Msg::PngEmpty, "obraz PNG musi mieć choć jeden piksel"},
    {Msg::BmpUnsupported, "nieobsługiwany rodzaj obrazu BMP (%1 {1:bit|bity|bitów} na piksel, kompresja %2)"},
    // 414, 415: the rooms of a level cannot be read; %1 the level, %2 why
    {Msg::RoomsUnknown, "Nie można odczytać pomieszczeń poziomu „%1”: %2"},
    // 416, 417: rooms asked of an image or object package
    {Msg::RoomsOnlyInLevels, "pomieszczenia mają tylko poziomy"},
    // 418, 419: why, in the %2 of RoomsUnknown; %1 the room, %2 its bytes
    {Msg::RoomDataBeyondEnd, "geometria pomieszczenia %1 nie mieści się w jego %2 bajtach"},
    // 420, 421: why, in the %2 of RoomsUnknown; %1 the byte, %2 the mesh data's bytes
    {Msg::MeshBeyondEnd, "siatka od bajtu %1 danych siatek nie mieści się w ich %2 bajtach"},
    // 422, 423: the tiles gathered from many files would not fit one package
    {Msg::CollectTooLarge, "{1:%1 płytka nie mieści się|%1 płytki nie mieszczą się|%1 płytek nie mieści się} w jednym pakiecie (najwyżej %2 pikseli)"},
    // 404-409: Tekstura -> find_duplicates, remove_duplicates, select_unused
    {Msg::FindDuplicates, "&Znajdź powtórzenia"},
    {Msg::RemoveDuplicates, "Usuń po&wtórzenia"},
    {Msg::SelectUnused, "Zaznacz &nieużywane"},
    // 430, 431: the tolerance Find duplicates asks for
    {Msg::ToleranceLabel, "Tolerancja (poziomy na kanał, 0 = dokładnie):"},
    // 432, 433: status bar, the tiles marked in the pane
    {Msg::TilesMarked, "Zaznaczono %1 {1:płytkę|płytki|płytek}"},
    // 434, 435: status bar, the tiles Remove duplicate tiles took away
    {Msg::DuplicatesRemoved, "Usunięto %1 {1:powtórzoną płytkę|powtórzone płytki|powtórzonych płytek}"},
    // 436, 437: a change asked while a job holds the document
    {Msg::DocumentBusy, "Dokument jest zajęty trwającą pracą; zaczekaj na jej koniec lub ją zatrzymaj."},
    // 404 - 407: the Edit menu's undo and redo, %1 the step
    {Msg::UndoStep, "&Cofnij: %1"},
    {Msg::RedoStep, "&Ponów: %1"},
    // 408 - 415: names of history steps
    {Msg::StepNewPackage, "Nowy pakiet"},
    {Msg::StepResizePackage, "Zmiana rozmiaru pakietu"},
    {Msg::StepOpenTarget, "Otwarcie pliku docelowego"},
    {Msg::StepLiteral, "%1"},
    // 416 - 421: the history panel
    {Msg::HistoryPanel, "&Historia zmian"},
    {Msg::HistoryStart, "(początek)"},
    {Msg::HistorySaved, "%1 \u2014 zapisano"},
    // 456, 457: before a step larger than the history's bound, Yes/No
    {Msg::StepEmptiesHistory,
     "Ten krok zajmie więcej niż %1 MiB pamięci historii: wykonanie go wyczyści całą historię cofania. "
     "Kontynuować?"},
    // 458-463: status bar, the textures mapping the pixel under the pointer: none, 1, and
    // the plural form of 2-4, 22-24... (English: any count above 1)
    {Msg::UsedByNoFace, "nie używa go żadna ściana"},
    {Msg::UsedByOneFace, "używa go %1 ściana"},
    {Msg::UsedByFewFaces, "używają go %1 ściany"},
    // 464, 465: a file opened that no format reads; %1 the file, %2 the extensions read
    {Msg::NoKnownKind, "Nie można otworzyć „%1”: nie jest to plik żadnego obsługiwanego rodzaju. Obsługiwane rozszerzenia: %2"},
    // 466, 467: the open dialogs' type line of every file
    {Msg::AllFilesFilter, "Wszystkie pliki"},
    // 468, 469: the stop button once asked, until the job has ended
    {Msg::StoppingJob, "Przerywam…"},
    // 470, 471: Edit menu: the whole package of the pane clicked last
    {Msg::SelectAll, "&Zaznacz wszystko"},
    // 472, 473: status bar: %1 the source pane's zoom, %2 the target's
    {Msg::ZoomOfPanes, "%1× | %2×"},
    // 474-481: the colour-reduction steps, with each language's decimal sign
    {Msg::Reduce625, "&6,25 %"},
    {Msg::Reduce125, "&12,5 %"},
    {Msg::Reduce25, "&25 %"},
    {Msg::Reduce375, "&37,5 %"},
    // 482, 483: the subject of the suggestions mail
    {Msg::MailSubject, "Tilesmith: propozycje, sugestie, błędy"},
    // 484, 485: no mail program could be started; %1 the address, to copy
    {Msg::MailAddress, "Nie udało się uruchomić programu pocztowego. Propozycje prosimy wysyłać na adres:\n\n%1"},
    // 486, 487: the zoom panel's tip; %1 the source pane's zoom, %2 the target's
    {Msg::ZoomTip, "Powiększenie: źródło %1×, cel %2×"},
    // 488, 489: Widok -> the level in 3D (also the dock's title)
    {Msg::LevelIn3D, "&Widok 3D poziomu"},
    // 438-445: the 3D view's button and check boxes
    {Msg::FrameLevel, "Pokaż cały poziom"},
    {Msg::BilinearFiltering, "Filtrowanie dwuliniowe"},
    {Msg::RoomLighting, "Oświetlenie pomieszczeń"},
    {Msg::AlternateRooms, "Pomieszczenia alternatywne"},
    // 446-449: the 3D view's room list; %1 the room
    {Msg::RoomItem, "Pomieszczenie %1"},
    {Msg::AlternateRoomItem, "Pomieszczenie %1 (alternatywne)"},
    // 450-453: what the 3D view shows instead of a level
    {Msg::NoOpenGL, "OpenGL jest niedostępny, więc widoku 3D nie można pokazać."},
    {Msg::NoLevelInPanes, "Żaden panel nie pokazuje poziomu: otwórz poziom, aby zobaczyć go w 3D."},
    // 506, 507: status bar after a click on a face; %1 room, %2 face, %3 object texture
    {Msg::PickedFace, "pomieszczenie %1, ściana %2, tekstura obiektu %3"},
    // 508, 509: Widok -> the target shown on the rooms of a base level, before any export
    {Msg::PreviewOnLevel, "Po&dgląd na poziomie bazowym..."},
    // 510, 511: Informacje -> help (F1), and the help window's title
    {Msg::HelpTitle, "&Pomoc"},
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
     "jak go teraz edytujesz."},
    // 514, 515: the heading of the help window's list of commands
    {Msg::HelpCommands, "Polecenia i klawisze"},
    // 516, 517: the accept button of the save dialogs, the program's own word
    {Msg::SaveButton, "Zapisz"},
    // 518, 519: an export refused before anything is written: %1 the base level, %2 why its walk stopped
    {Msg::BaseNotWalked, "Nie można eksportować do poziomu „%1”, bo jego struktur nie da się odczytać do końca: %2"},
    // 520, 521: status bar, after the faces using the pixel: %1 those words, %2 faces of rooms, %3 faces of static meshes and moveables placed
    {Msg::UsedByFacesWhere, "%1: %2 w pomieszczeniach, %3 na obiektach"},
    // 522, 523: status bar: %1 the faces' words, then %2 sprites placed using the pixel, in the plural forms of 1, of 2-4 (Polish) and the rest
    {Msg::AndOneSprite, "%1; %2 sprite"},
    // 524, 525: the same, Polish 2-4, 22-24...
    {Msg::AndFewSprites, "%1; %2 sprite’y"},
    // 526, 527: the same, the other counts
    {Msg::AndSprites, "%1; %2 sprite’ów"},
    // 528, 529: status bar: no face but %1 sprites placed use the pixel, in the plural forms of 1, of 2-4 (Polish) and the rest
    {Msg::UsedByOneSprite, "używa go %1 sprite"},
    // 530, 531: the same, Polish 2-4, 22-24...
    {Msg::UsedByFewSprites, "używają go %1 sprite’y"},
    // 532, 533: the same, the other counts
    {Msg::UsedBySprites, "używa go %1 sprite’ów"},
    // 534, 535: status bar after a click on a face of a static mesh; %1 room,
    // %2 the static mesh's id, %3 face in its mesh, %4 object texture
    {Msg::PickedStaticFace, "pomieszczenie %1, obiekt statyczny %2, ściana %3, tekstura obiektu %4"},
    // 536, 537: status bar after a click on a face of a moveable; %1 its object
    // id, %2 its mesh, %3 face in the mesh, %4 object texture
    {Msg::PickedMoveableFace, "obiekt ruchomy %1, siatka %2, ściana %3, tekstura obiektu %4"},
    // 538-541: status bar after a click on a sprite; %1 sprite texture, %2 room or item
    {Msg::PickedRoomSprite, "tekstura sprite’a %1, pomieszczenie %2"},
    {Msg::PickedItemSprite, "tekstura sprite’a %1, przedmiot %2"},
    // 542, 543: the 3D view's check box: animated textures cycling
    {Msg::AnimatedTextures, "Animowane tekstury"},
    // 544-547: the 3D view's title; %1 the level's file name
    {Msg::LevelIn3DSource, "Widok 3D poziomu: %1, źródło"},
    {Msg::LevelIn3DTarget, "Widok 3D poziomu: %1, cel"},
    // 548, 549: the 3D view's mouse and keys, its tooltip and a paragraph of the help
    {Msg::LevelViewKeys,
     "Widok 3D poziomu: przeciągnięcie lewym przyciskiem myszy obraca widok wokół oglądanego punktu, środkowym "
     "przesuwa ten punkt, a kółko przybliża i oddala. Z wciśniętym prawym przyciskiem rozglądasz się i lecisz "
     "klawiszami W, A, S, D (Q w dół, E w górę). Kliknięcie ściany lub sprite’a zaznacza płytki jego tekstury, a "
     "wskazanie płytki w panelu podświetla każdą ścianę i każdy sprite, które jej używają."},
    // 550-553: what the 3D view says when it cannot draw; %1 the OpenGL offered, or the first line of the
    // driver's log of the shaders
    {Msg::ViewNeedsOpenGL, "Widok 3D nie może tu rysować: potrzebny jest OpenGL 3.3 lub 2.1, a ten system oferuje %1."},
    {Msg::ViewShadersRefused, "Widok 3D nie może tu rysować: sterownik grafiki odrzucił jego shadery (%1)."},
    // 554, 555: Informacje -> Korespondencja in a build without a feedback address: README.md's words
    {Msg::ProblemsReported, "Problemy i propozycje zgłasza się w systemie zgłoszeń repozytorium, z którego pochodzi Tilesmith: napisz, co zrobiłeś, co się stało i czego oczekiwałeś, a jeśli możesz, dołącz plik."},
    // 556, 557: Find duplicates says which tiles are duplicates, above its tolerance
    {Msg::DuplicatesRule, "Płytka taka sama jak wcześniejsza jest powtórzeniem, także całkiem przeźroczysta; Usuń powtórzenia zostawia pierwszą z każdego rodzaju."},
    // 558, 559: a level whose first bytes name a kind its extension does not take; %1 the file, %2 the game (1-5)
    {Msg::LevelReadAsItsKind, "Plik „%1” to poziom Tomb Raider %2 z rozszerzeniem innego rodzaju; odczytano go zgodnie z jego zawartością."},
    // 560-565: the status bar's labelled count of tiles; the caption of a target with no file; the history
    // step of a target opened from a file, %1 its name
    {Msg::TileCount, "płytki: %1"},
    {Msg::Untitled, "Bez nazwy"},
    {Msg::StepOpenTargetFile, "Otwarcie pliku docelowego %1"},
    // 566-579: compacting a level's textures: the refusal and its reasons, the summary
    {Msg::CompactRefused, "Nie można upakować tekstur pliku \"%1\": %2"},
    {Msg::CompactSummary, "strony: %1 przed, %2 po; tekstury obiektów: %3, tekstury sprite'ów: %4; obszary: %5 zachowane (%6 wspólne), %7 pominięte"},
    {Msg::CompactIntoItself, "Nie można upakować pliku \"%1\" do niego samego: wybierz inny plik wynikowy."},
    {Msg::CompactNotALevel, "tekstury upakowuje się tylko w poziomach; to jest obraz lub pakiet obiektów"},
    {Msg::ObjectTextureOffPage, "tekstura obiektu %1 wychodzi poza stronę %2 spośród %3 stron poziomu"},
    {Msg::SpriteTextureOffPage, "tekstura sprite'a %1 wychodzi poza stronę %2 spośród %3 stron poziomu"},
    {Msg::TextureBlockDamaged, "jego %1-bitowy blok tekstur nie rozpakowuje się do podanych %2 bajtów"},
    // 580-603: Level -> Compact textures: the menu, its question, the copy's dialog, the offer to open it
    {Msg::MenuLevel, "Po&ziom"},
    {Msg::CompactTextures, "&Upakuj tekstury..."},
    {Msg::CompactHeading, "Upakowanie tekstur poziomu „%1” w kopii:"},
    {Msg::CompactPages, "Strony: %1 przed, %2 po."},
    {Msg::CompactTextureCounts, "Tekstury obiektów: %1; tekstury sprite'ów: %2."},
    {Msg::CompactAreas, "Obszary tekstur: zachowane %1, w tym wspólne %2 (wewnątrz innego lub o tych samych pikselach). Pominięte obszary bez tekstur: %3."},
    {Msg::CompactEightBitKept, "Strony 8-bitowe zostają takie, jakie były, pierwsze z nich w liczbie stron kopii: gry ich nie czytają."},
    {Msg::CompactNoShrink, "Stron nie da się zmniejszyć: kopia miałaby tyle samo stron co poziom."},
    {Msg::CompactButton, "Upakuj"},
    {Msg::CompactOutputTitle, "Wybierz plik do zapisu upakowanej kopii."},
    {Msg::OpenCopyAsSource, "Otworzyć upakowaną kopię „%1” jako plik źródłowy?"},
    {Msg::OpenCopyAsTarget, "Otworzyć upakowaną kopię „%1” jako plik docelowy?"},
};

// Every pair in the place its Msg names, none left out: the numbering of the entries rests on it.
static_assert(texts_in_place(kTexts), "a text of the Polish table is not at the place its Msg names");

}  // namespace

LanguageTexts polish_texts() { return kTexts; }

}  // namespace tilesmith
