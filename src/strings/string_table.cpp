// The texts of the interface: Polish at even entries, English at odd ones.
#include "strings/messages.h"
#include "strings/strings.h"

namespace tilesmith {

namespace {

// One pair per block; the comment names the component or message that shows it.
// Pair 78 belongs to nothing and is left empty.
constexpr std::string_view kStrings[kStringCount] = {
    // 0, 1: message: confirmation before changing an existing package, Yes/No
    "Modyfikujesz istniejący pakiet tekstur, wskutek zmiany rozmiaru mogę zostać utracone utworzone tekstury, czy chcesz kontynuować ?",
    "You are modifying texture package. In case of size change, all created textures may be lost. Do you wish to continue ?",
    // 2, 3: message: confirmation before "Kopiuj pakiet", Yes/No
    "Operacja ta spowoduje skopiowanie pakietu tekstur z pliku źródłowego do pakietu tekstur pliku docelowego, tekstury docelowe zostaną utracone, bufor cofnięcia zmian zostanie wyczyszczony, czy chcesz kontynuować ?",
    "This operation will copy all texture packages from source file to target file texture package. All current target textures will be lost. Undo buffer will be cleared. Do you wish to continue ?",
    // 4, 5: message: confirmation that the target package takes the source size, Yes/No
    "Rozmiar pakietu źródłowego nie jest identyczny z rozmiarem pakietu docelowego, nastąpi automatyczne dopasowanie wymiarów pakietu docelowego, czy chcesz kontynuować ?",
    "Size of source package do not match with size of size of target package. Size of target package will line up automatically. Do you wish to continue ?",
    // 6, 7: message: TGA file refused, wrong size or colour depth
    "Nie można załadować pliku ! Błędny rozmiar obrazu lub nieprawidłowa głębia kolorów !",
    "Can not load the file ! Incorrect file size or color depth !",
    // 8, 9: message: TGA file refused, image type not recognised
    "Nie można załadować pliku ! Nierozpoznawalny format obrazu !",
    "Can not load the file ! Unknown image type !",
    // 10, 11: message: before choosing the base level
    "Wybierz plik levelu bazowego na strukturze którego mają zostać osadzone tekstury.",
    "Select level file to attach textures on its structure.",
    // 12, 13: message: before choosing the output file
    "Wybierz plik do zapisu docelowego.",
    "Select target save file.",
    // 14, 15: message: package size differs from the level's texture set
    "Rozmiar pakietu nie jest zgodny z zamienianym pakietem w pliku !",
    "Size of textures set is not equal with replaced set !",
    // 16, 17: message: output file is the base file
    "Plik docelowy nie może zostać zapisany na pliku bazowym !",
    "Target file cannot be saved in level file !",
    // 18, 19: plik
    "Plik",
    "File",
    // 20, 21: edycja
    "Edycja",
    "Edit",
    // 22, 23: tx
    "Tekstura",
    "Texture",
    // 24, 25: ef
    "Efekty",
    "Effects",
    // 26, 27: opcje
    "Opcje",
    "Options",
    // 28, 29: info
    "Informacje",
    "About",
    // 30, 31: plik_new, hint of tool_new
    "Nowy / modyfikuj...",
    "New / modify...",
    // 32, 33: plik_opensource, hint of tool_opensource
    "Otwórz plik źródłowy...",
    "Open source file...",
    // 34, 35: plik_opentarget
    "Otwórz plik docelowy...",
    "Open target file...",
    // 36, 37: plik_savetarget, hint of tool_savetarget
    "Zapisz plik docelowy",
    "Save target file",
    // 38, 39: plik_savetargetas
    "Zapisz plik docelowy jako...",
    "Save target file as...",
    // 40, 41: plik_ex
    "Eksportuj",
    "Export",
    // 42, 43: ex_tr2345
    "Do levelu Tomb Raider 2,3,4,5...",
    "To Tomb Raider 2,3,4,5 level...",
    // 44, 45: plik_end
    "Zakończ",
    "Exit",
    // 46, 47: ed_cofnij, hint of tool_cofnij
    "Cofnij",
    "Undo",
    // 48, 49: ed_cut, hint of tool_cut
    "Wytnij",
    "Cut",
    // 50, 51: ed_ctc, hint of tool_ctc
    "Kopiuj do schowka",
    "Copy to clipboard",
    // 52, 53: ed_pfc, hint of tool_pfc
    "Wklej ze schowka",
    "Paste from clipboard",
    // 54, 55: Obro901
    "Obróć o kąt",
    "Rotate",
    // 56, 57: ed_90stopni
    "90 stopni",
    "90 degrees",
    // 58, 59: hint of tool_90stopni
    "Obróć o 90 stopni",
    "Rotate: 90 degrees",
    // 60, 61: Odbij1
    "Odbij",
    "Flip",
    // 62, 63: ed_fliph
    "W poziomie",
    "Horizontally",
    // 64, 65: ed_flipv
    "W pionie",
    "Vertically",
    // 66, 67: hint of tool_fliph
    "Odbij w poziomie",
    "Flip horizontally",
    // 68, 69: hint of tool_flipv
    "Odbij w pionie",
    "Flip vertically",
    // 70, 71: Gamma1
    "Gamma",
    "Gamma",
    // 72, 73: hint of tool_gammap
    "Gamma (powiększ)",
    "Gamma (up)",
    // 74, 75: hint of tool_gammam
    "Gamma (pomniejsz)",
    "Gamma (down)",
    // 76, 77: Widok1
    "Widok",
    "View",
    // 78, 79: view_gird
    "Siatka",
    "Grid",
    // 80, 81: tx_add, hint of tool_add
    "Dodaj",
    "Add",
    // 82, 83: tx_del, hint of tool_del
    "Usuń",
    "Delete",
    // 84, 85: tx_copytrans, hint of tool_copytrans
    "Kopiuj przeźroczystość",
    "Copy transparency",
    // 86, 87: tx_copy
    "Kopiuj pakiet",
    "Copy package",
    // 88, 89: ef_cr, hint of tool_cr
    "Odwróć kolory",
    "Invert",
    // 90, 91: ef_abcolor
    "Kolor średni",
    "Average color",
    // 92, 93: BumpMapping1, hint of tool_cred
    "Redukcja kolorów",
    "Colors reduction",
    // 94, 95: Paletakolorw1
    "Paleta kolorów",
    "Palette",
    // 96, 97: ef_gray
    "Odcienie szarości",
    "Grayscale",
    // 98, 99: hint of tool_gray
    "Paleta: odcienie szarości",
    "Palette: grayscale",
    // 100, 101: ef_bw
    "Czarno - biała",
    "Black and white",
    // 102, 103: hint of tool_bw
    "Paleta: czarno - biała",
    "Palette: black and white",
    // 104, 105: Zamianakanaw1
    "Zamiana kanałów",
    "Channels change",
    // 106, 107: Wyostrzkana1
    "Wyostrz kanał",
    "Trace channel",
    // 108, 109: ef_blur, hint of tool_blur
    "Rozmycie",
    "Blur",
    // 110, 111: ef_px, hint of tool_px
    "Pikseloza",
    "Pixels reduction",
    // 112, 113: Przycisk3D1
    "Przycisk 3D",
    "3D button",
    // 114, 115: ef_3dup
    "Wypukły",
    "Convex",
    // 116, 117: ef_3ddown
    "Wklęsły",
    "Concave",
    // 118, 119: hint of tool_3dup
    "Przycisk 3D: wypukły",
    "3D button: convex",
    // 120, 121: Przeslona1
    "Przesłona",
    "Diaphragm",
    // 122, 123: ef_lmh
    "Pozioma...",
    "Horizontal...",
    // 124, 125: ef_lmv
    "Pionowa...",
    "Vertical...",
    // 126, 127: hint of tool_lm
    "Przesłona pozioma...",
    "Horizontal diaphragm...",
    // 128, 129: Wersjajzykowa1
    "Język",
    "Language",
    // 130, 131: jezyk_pl
    "Polski",
    "Polish",
    // 132, 133: jezyk_eng
    "Angielski",
    "English",
    // 134, 135: opcje_automove
    "Automatycznie przesuwaj zaznaczenie",
    "Move selection automatically",
    // 136, 137: no component
    "Nieustanne odświeżanie obszaru roboczego",
    "Refresh working area all time",
    // 138, 139: opcje_ttcolor
    "Korekcja koloru przeźroczystego (TR2,3,4,5)",
    "Correct transparent color (TR2,3,4,5)",
    // 140, 141: opcje_8bit
    "Otwieraj tekstury jako 8bit (TR2,3)",
    "Open 8bit textures (TR2,3)",
    // 142, 143: opcje_xp
    "Styl XP",
    "XP style",
    // 144, 145: opcje_cord
    "Pokazuj współrzędne pola",
    "Show coordinates",
    // 146, 147: opcje_selectcolor
    "Kolor zaznaczenia / siatki...",
    "Select / grid color...",
    // 148, 149: Rozmiarsiatki1
    "Rozmiar siatki",
    "Grid size",
    // 150, 151: info_autor
    "Autor...",
    "Author...",
    // 152, 153: info_his
    "Historia wersji...",
    "Version history...",
    // 154, 155: Korespondencja1
    "Korespondencja",
    "Correspondence",
    // 156, 157: unused
    "",
    "",
    // 158, 159: info_mail
    "Propozycje, sugestie, błędy...",
    "Proposals, suggestions, bugs...",
    // 160, 161: status bar panel 0
    "Pakiet źródłowy:",
    "Source package:",
    // 162, 163: status bar panel 3
    "Pakiet docelowy:",
    "Target package:",
    // 164, 165: status bar panel 6
    "Postęp:",
    "Progress:",
    // 166, 167: new-package dialog: Label2
    "Rozmiar pakietu:",
    "Package size:",
    // 168, 169: new-package dialog: Label1
    "Szerokość:",
    "Width:",
    // 170, 171: new-package dialog: Label3
    "Wysokość:",
    "Height:",
    // 172, 173: new-package dialog: Label4
    "Kolor tła:",
    "Color:",
    // 174, 175: new-package dialog: button pak_scale
    "Pobierz współrzędne zaznaczenia",
    "Get select coordinates",
    // 176, 177: new-package dialog: check box pak_mod
    "Modyfikuj pakiet",
    "Modify package",
    // 178, 179: author dialog: Label3
    "Pełne wspomaganie do gier:",
    "Support to games:",
    // 180, 181: author dialog: Label5
    "Podziękowania dla:",
    "Thanks to:",
    // 182, 183: asked before unsaved changes of the target are closed or replaced
    "Zapisać zmiany?",
    "Save changes?",
    // 184, 185: status bar, briefly, after a save or an export; %1 is the file name
    "Zapisano: %1",
    "Saved: %1",
    // 186-209: input/output errors; %1 is the file name, %2 why. The English
    // reasons of the system are glibc's own words.
    "Nie można otworzyć pliku „%1”: %2",
    "Cannot open \"%1\": %2",
    "Nie można odczytać pliku „%1”: %2",
    "Cannot read \"%1\": %2",
    "Nie można zapisać pliku „%1”: %2",
    "Cannot write \"%1\": %2",
    "Plik „%1” jest niekompletny",
    "\"%1\" is truncated",
    "to jest folder",
    "it is a folder",
    "to nie jest zwykły plik",
    "it is not a regular file",
    "nie można przejść do miejsca w pliku",
    "seek failed",
    "nie ma takiego pliku ani folderu",
    "No such file or directory",
    "brak uprawnień",
    "Permission denied",
    "brak miejsca na dysku",
    "No space left on device",
    "system plików tylko do odczytu",
    "Read-only file system",
    "Nieznany błąd",
    "Unknown error",
    // 210, 211: a Tomb Raider 1 level under another level's extension
    "To jest poziom Tomb Raider 1; otwórz go jako .phd",
    "This is a Tomb Raider 1 level; open it as .phd",
    // 212, 213: a Tomb Raider 2 level under another level's extension
    "To jest poziom Tomb Raider 2; otwórz go jako .tr2",
    "This is a Tomb Raider 2 level; open it as .tr2",
    // 214, 215: a Tomb Raider 3 level under another level's extension
    "To jest poziom Tomb Raider 3; otwórz go jako .tr2",
    "This is a Tomb Raider 3 level; open it as .tr2",
    // 216, 217: a Tomb Raider 4 or 5 level under another level's extension
    "To jest poziom Tomb Raider 4 lub 5; otwórz go jako .tr4 lub .trc",
    "This is a Tomb Raider 4 or 5 level; open it as .tr4 or .trc",
    // 218, 219: a level of the remastered Tomb Raider 4
    "To jest poziom zremasterowanego Tomb Raider 4; takie poziomy nie są obsługiwane",
    "This is a remastered Tomb Raider 4 level; remastered levels are not supported",
    // 220, 221: a level of the remastered Tomb Raider 5
    "To jest poziom zremasterowanego Tomb Raider 5; takie poziomy nie są obsługiwane",
    "This is a remastered Tomb Raider 5 level; remastered levels are not supported",
    // 222, 223: the file dialogs' type line of Tomb Raider 1 levels
    "Poziom Tomb Raider 1",
    "Tomb Raider 1 level",
    // 224, 225: Save / Save As with an extension no writer takes
    "Nic nie zapisano: plików z takim rozszerzeniem nie można zapisać. Użyj jednego z rozszerzeń: %1.",
    "Nothing was saved: files with this extension cannot be written. Use one of these extensions: %1.",
    // 226, 227: at start or close, when config.dat can be written nowhere
    "Nie można zapisać ustawień (config.dat): ani folder programu, ani folder ustawień użytkownika nie pozwala na zapis.",
    "The settings (config.dat) cannot be saved: neither the program's folder nor the user's settings folder can be written.",
    // 228, 229: Edycja -> ed_ponow
    "Ponów",
    "Redo",
    // 230, 231: Widok -> view_zoomin
    "Powiększ",
    "Zoom in",
    // 232, 233: Widok -> view_zoomout
    "Pomniejsz",
    "Zoom out",
    // 234, 235: Widok -> view_actualsize
    "Rzeczywisty rozmiar",
    "Actual size",
    // 236, 237: the button beside the gauge while long work runs (also Escape)
    "Przerwij",
    "Cancel",
    // 238, 239: closing the window while long work runs, Yes/No
    "Trwa praca w tle. Przerwać ją i zamknąć okno?",
    "Work is still running. Stop it and close the window?",
};

}  // namespace

std::string_view lang_text(int entry) {
    if (entry < 0 || entry >= kStringCount) return {};
    return kStrings[entry];
}

std::string_view text_of(Msg message, Language language) {
    return lang_text(static_cast<int>(message) + static_cast<int>(language));
}

}  // namespace tilesmith
