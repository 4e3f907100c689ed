// Typed names of the string table's pairs: each value is the pair's Polish
// entry, its English text is the next entry. Texts are shown through text_of.
#pragma once
#include <string_view>

namespace tilesmith {

enum class Language { Polish = 0, English = 1 };

enum class Msg : int {
    // Questions and refusals.
    ModifyPackageQuestion = 0,    // resizing an existing package, Yes/No
    CopyPackageQuestion = 2,      // before "Kopiuj pakiet", Yes/No
    TakeSourceSizeQuestion = 4,   // the target package takes the source size, Yes/No
    WrongSizeOrDepth = 6,         // image refused: wrong size or colour depth
    UnknownImageType = 8,         // image refused: type not recognised
    SelectBaseLevel = 10,         // before choosing the export's base level
    SelectOutputFile = 12,        // before choosing the export's output file
    PackageSizeMismatch = 14,     // package size differs from the level's texture set
    OutputIsBase = 16,            // the export's output is its base file
    // Menus and their items; the hints of tool buttons.
    MenuFile = 18,
    MenuEdit = 20,
    MenuTexture = 22,
    MenuEffects = 24,
    MenuOptions = 26,
    MenuAbout = 28,
    NewModify = 30,
    OpenSource = 32,
    OpenTarget = 34,
    SaveTarget = 36,
    SaveTargetAs = 38,
    Export = 40,
    ExportToLevel = 42,
    Exit = 44,
    Undo = 46,
    Cut = 48,
    CopyToClipboard = 50,
    PasteFromClipboard = 52,
    Rotate = 54,
    Rotate90 = 56,
    Rotate90Hint = 58,
    Flip = 60,
    FlipHorizontally = 62,
    FlipVertically = 64,
    FlipHorizontallyHint = 66,
    FlipVerticallyHint = 68,
    Gamma = 70,
    GammaUpHint = 72,
    GammaDownHint = 74,
    View = 76,
    Grid = 78,
    Add = 80,
    Delete = 82,
    CopyTransparency = 84,
    CopyPackage = 86,
    Invert = 88,
    AverageColor = 90,
    ColorReduction = 92,
    Palette = 94,
    Grayscale = 96,
    GrayscaleHint = 98,
    BlackAndWhite = 100,
    BlackAndWhiteHint = 102,
    ChannelSwap = 104,
    TraceChannel = 106,
    Blur = 108,
    Pixelate = 110,
    Button3D = 112,
    Convex = 114,
    Concave = 116,
    ConvexHint = 118,
    Diaphragm = 120,
    DiaphragmHorizontal = 122,
    DiaphragmVertical = 124,
    DiaphragmHint = 126,
    Language = 128,
    Polish = 130,
    English = 132,
    AutoMove = 134,
    RefreshAllTime = 136,
    CorrectTransparentColor = 138,
    Open8Bit = 140,
    XpStyle = 142,
    ShowCoordinates = 144,
    SelectGridColor = 146,
    GridSize = 148,
    Author = 150,
    VersionHistory = 152,
    Correspondence = 154,
    Unused = 156,
    ProposalsMail = 158,
    // Status bar and dialogs.
    SourcePackageLabel = 160,
    TargetPackageLabel = 162,
    ProgressLabel = 164,
    PackageSizeLabel = 166,
    WidthLabel = 168,
    HeightLabel = 170,
    ColorLabel = 172,
    SelectionSize = 174,
    ModifyPackage = 176,
    SupportedGames = 178,
    ThanksTo = 180,
    // Unsaved work and written files.
    SaveChangesQuestion = 182,    // Save / Discard / Cancel before the target is closed or replaced
    FileSaved = 184,              // status-bar note after a save or export, %1 the file name
    // Input/output errors: %1 the file, %2 why.
    CannotOpenFile = 186,
    CannotReadFile = 188,
    CannotWriteFile = 190,
    FileTruncated = 192,
    // Why, in the %2 of the errors above.
    ItIsAFolder = 194,
    NotARegularFile = 196,
    SeekFailed = 198,
    NoSuchFile = 200,
    PermissionDenied = 202,
    DiskFull = 204,
    ReadOnlyFileSystem = 206,
    UnknownError = 208,           // the error box for a failure without words of its own
    // Levels of one kind under another kind's extension.
    LevelIsTr1 = 210,
    LevelIsTr2 = 212,
    LevelIsTr3 = 214,
    LevelIsTr45 = 216,
    RemasteredTr4 = 218,
    RemasteredTr5 = 220,
    Tr1LevelFilter = 222,         // the file dialogs' type line of .phd and .tub
    // Nothing lost quietly.
    ExtensionNotWritten = 224,    // Save / Save As refused the extension; %1 the extensions that work
    SettingsCannotBeSaved = 226,  // neither the program's nor the user's folder takes config.dat
    Redo = 228,
    ZoomIn = 230,
    ZoomOut = 232,
    ActualSize = 234,
    // Long work on a worker thread.
    StopJob = 236,                // the button beside the gauge while a job runs
    StopJobQuestion = 238,        // closing the window while a job runs, Yes/No
    // New pairs are appended here, after the last entry of the table.
};

// The pair's text in the given language, UTF-8.
std::string_view text_of(Msg message, Language language);

}  // namespace tilesmith
