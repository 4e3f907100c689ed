// Typed names of the string table's pairs: each value is the pair's Polish
// entry, its English text is the next entry. Texts are shown through text_of.
// A language is a value of the registry (strings/languages.h): Polish and
// English are named here, a language added is Language{2} and so on.
#pragma once
#include <string_view>

namespace tilesmith {

enum class Language : int { Polish = 0, English = 1 };

enum class Msg : int {
    // Questions and refusals.
    // Three questions no command asks any more, as the steps they asked about
    // can be undone; their pairs keep their places in the table.
    ModifyPackageQuestion = 0,
    CopyPackageQuestion = 2,
    TakeSourceSizeQuestion = 4,
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
    FileRefused = 228,            // a refused file: %1 the file, %2 the refusal
    RowsMissing = 230,            // read with rows missing: %1 the file, %2 how many rows
    JpegLosesTransparency = 232,  // before a JPEG save: %1 the transparent pixels; Save anyway / Cancel
    SaveAnyway = 234,
    Cancel = 236,
    PackageDialogTitle = 238,
    BaseNotTaken = 240,           // export base no exporter takes: %1 the base, %2 the extensions that work
    BaseSizeDiffers = 242,        // export: %1 package size, %2 the base, %3 its texture size
    AllSupportedFilter = 244,     // file dialogs' type lines
    TgaFilter = 246,
    BmpFilter = 248,
    JpegFilter = 250,
    PngFilter = 252,
    Tr23Filter = 254,
    Tr4Filter = 256,
    Tr5Filter = 258,
    Tr25Filter = 260,
    WadFilter = 262,
    TooShortForTr23 = 264,        // why a level is refused, in the %2 of CannotReadFile
    TooShortForTr45 = 266,
    TooShortForWad = 268,
    NegativeCount = 270,
    PagesBeyondEnd = 272,
    DataBeyondEnd = 274,
    PagesOver1GiB = 276,
    BlockOver1GiB = 278,
    BlockCannotInflate = 280,
    NotEnoughMemory = 282,
    ZlibStreamOverrun = 284,
    ZlibError = 286,
    StructureBeyondEnd = 288,
    LastStructureEarly = 290,
    TgaTooLarge = 292,
    PixelDataShort = 294,
    OnlyBmpOrJpeg = 296,
    NotAPng = 298,
    PictureNotAsHeader = 300,
    TooManyJpegScans = 302,       // %1 scans, %2 x %3 the picture
    DecodeOver1GiB = 304,
    ColourBlack = 306,            // the new-package dialog's background colours
    ColourMaroon = 308,
    ColourGreen = 310,
    ColourOlive = 312,
    ColourNavy = 314,
    ColourPurple = 316,
    ColourTeal = 318,
    ColourGray = 320,
    ColourSilver = 322,
    ColourRed = 324,
    ColourLime = 326,
    ColourYellow = 328,
    ColourBlue = 330,
    ColourFuchsia = 332,
    ColourAqua = 334,
    ColourWhite = 336,
    ColourMoneyGreen = 338,
    ColourSkyBlue = 340,
    ColourCream = 342,
    ColourMediumGray = 344,
    ColourNone = 346,
    ColourDefault = 348,
    ColourCustom = 350,
    CopyrightLine = 352,          // the author box
    FormatDocumenters = 354,
    Testers = 356,
    SuggestionSenders = 358,
    PackagedWithCMake = 360,
    PictureTooLarge = 362,        // %1 x %2 the picture's size
    Redo = 364,
    ZoomIn = 366,
    ZoomOut = 368,
    ActualSize = 370,
    // Texture use of levels.
    TextureUseUnknown = 372,      // %1 the level, %2 why its structures cannot be walked
    TextureUseOnlyInLevels = 374, // asked of an image or object package
    ShowTextureUse = 376,         // View menu check item
    UsedByFaces = 378,            // status bar, %1 object and sprite textures mapping the pixel
    TilesChangedUsed = 380,       // after an export: %1 tiles changed, %2 of them mapped by the level
    MarkerMissing = 382,          // %1 the marker, %2 the byte, in the %2 of TextureUseUnknown
    LevelDataCannotInflate = 384, // %1 the stated size of the level data block
    LevelDataBeyondEnd = 386,     // a structure from byte %1 beyond the level data block of %2 bytes
    LevelDataEndsEarly = 388,     // the last structure ends at byte %1 of %2
    LevelDataTooLarge = 390,      // %1 the stated size of the level data block
    // Long work on a worker thread.
    StopJob = 392,                // the button beside the gauge while a job runs
    StopJobQuestion = 394,        // closing the window while a job runs, Yes/No
    NotABmp = 396,                // in the %2 of CannotReadFile
    // Regions.
    TurnNeedsSquare = 398,        // a turn asked of a region that is not square
    TilesLeftOut = 400,           // after an add: %1 tiles of the source region past the target's edge, %2 in all
    WordsNotZero = 402,           // %1 words from byte %2 of the level data are not zero
    LevelBytesIgnored = 404,      // a warning: %1 the level, %2 bytes after its last structure
    // Pictures.
    PngDamaged = 406,             // in the %2 of CannotReadFile: %1 the decoder's words
    PngEndsEarly = 408,           // in the %2 of CannotReadFile
    PngEmpty = 410,               // in the %2 of CannotWriteFile: a package of no pixels
    BmpUnsupported = 412,         // in the %2 of CannotReadFile: %1 bits a pixel, %2 the compression
    // The rooms of levels.
    RoomsUnknown = 414,           // %1 the level, %2 why its rooms cannot be read
    RoomsOnlyInLevels = 416,      // asked of an image or object package
    RoomDataBeyondEnd = 418,      // %1 the room, %2 the bytes of its record, in the %2 of RoomsUnknown
    MeshBeyondEnd = 420,          // %1 the byte of the mesh data, %2 its bytes, in the %2 of RoomsUnknown
    // Tiles of many files gathered into one package.
    CollectTooLarge = 422,        // %1 tiles kept, %2 the largest package's pixels
    FindDuplicates = 424,         // Texture menu items
    RemoveDuplicates = 426,
    SelectUnused = 428,
    ToleranceLabel = 430,         // Find duplicates asks the tolerance
    TilesMarked = 432,            // status bar, %1 the tiles marked in the pane, counted ({1:...})
    DuplicatesRemoved = 434,      // status bar, %1 the tiles Remove duplicate tiles took away, counted
    // The document and its named history.
    DocumentBusy = 436,           // a change asked while a job holds the document
    UndoStep = 438,               // Edit menu, %1 the name of the step undone
    RedoStep = 440,               // Edit menu, %1 the name of the step redone
    StepNewPackage = 442,         // history step names
    StepResizePackage = 444,
    StepOpenTarget = 446,
    StepLiteral = 448,            // %1 a caption that is the same in both languages
    HistoryPanel = 450,           // View menu item and the panel's title
    HistoryStart = 452,           // the panel's first row: before the oldest step kept
    HistorySaved = 454,           // the panel's row of the saved state, %1 its name
    StepEmptiesHistory = 456,     // before a step larger than the history's bound, %1 MiB, Yes/No
    UsedByNoFace = 458,           // status bar: no texture maps the pixel under the pointer
    UsedByOneFace = 460,          // status bar: %1 (1) texture maps it
    UsedByFewFaces = 462,         // status bar: %1 textures, Polish 2-4, 22-24...; UsedByFaces the rest
    NoKnownKind = 464,            // %1 a file no format reads, %2 the extensions read
    AllFilesFilter = 466,         // the open dialogs' last type line
    StoppingJob = 468,            // the stop button once asked, until the job has ended
    SelectAll = 470,              // Edit menu: the whole package of the pane clicked last
    ZoomOfPanes = 472,            // status bar: %1 the source pane's zoom, %2 the target's (ZoomTip says so)
    // The colour-reduction steps, with each language's decimal sign.
    Reduce625 = 474,
    Reduce125 = 476,
    Reduce25 = 478,
    Reduce375 = 480,
    MailSubject = 482,            // the subject of the suggestions mail
    MailAddress = 484,            // no mail program: %1 the address, to copy
    ZoomTip = 486,                // the zoom panel's tip, %1 the source pane's zoom, %2 the target's
    // The 3D view of a level.
    LevelIn3D = 488,              // View menu item and the dock's title
    FrameLevel = 490,             // button: the camera sees the level whole
    BilinearFiltering = 492,      // check box
    RoomLighting = 494,           // check box
    AlternateRooms = 496,         // check box: the level as flipped
    RoomItem = 498,               // room list: %1 the room
    AlternateRoomItem = 500,      // room list: %1 a room shown when the level flips
    NoOpenGL = 502,               // the view where OpenGL cannot be had
    NoLevelInPanes = 504,         // the view with no level in either pane
    PickedFace = 506,             // status bar: %1 room, %2 face, %3 object texture
    PreviewOnLevel = 508,         // View menu: the target dressing a base level in the 3D view
    HelpTitle = 510,              // Informacje menu item (F1) and the help window's title
    HelpManual = 512,             // the short manual: paragraphs, one a line
    HelpCommands = 514,           // the heading of the list of commands and their keys
    SaveButton = 516,             // the save dialogs' accept button
    BaseNotWalked = 518,          // the export's base cannot be walked to its end: %1 the base, %2 why
    UsedByFacesWhere = 520,       // status bar: %1 UsedBy...Faces, %2 room faces, %3 faces of objects
    AndOneSprite = 522,           // status bar: %1 the faces' words, %2 (1) sprite placed
    AndFewSprites = 524,          // the same, Polish 2-4, 22-24...
    AndSprites = 526,             // the same, the other counts
    UsedByOneSprite = 528,        // status bar: only %1 (1) sprite placed uses the pixel
    UsedByFewSprites = 530,       // the same, Polish 2-4, 22-24...
    UsedBySprites = 532,          // the same, the other counts
    PickedStaticFace = 534,       // status bar: %1 room, %2 static mesh id, %3 face in its mesh, %4 object texture
    PickedMoveableFace = 536,     // status bar: %1 moveable's object id, %2 its mesh, %3 face in the mesh, %4 object texture
    PickedRoomSprite = 538,       // status bar: %1 sprite texture, %2 room
    PickedItemSprite = 540,       // status bar: %1 sprite texture, %2 placed item
    AnimatedTextures = 542,       // check box of the 3D view
    LevelIn3DSource = 544,        // the dock's title: %1 the level's file name, shown from the source pane
    LevelIn3DTarget = 546,        // the dock's title: %1 the level's file name, shown from the target pane
    LevelViewKeys = 548,          // the 3D view's mouse and keys: its tooltip and a paragraph of the help
    ViewNeedsOpenGL = 550,        // the 3D view cannot draw: %1 the OpenGL the system offers
    ViewShadersRefused = 552,     // the 3D view cannot draw: %1 the first line of the driver's log
    ProblemsReported = 554,       // Correspondence in a build without a feedback address: the README's words
    DuplicatesRule = 556,         // Find duplicates, above its tolerance: which tiles are duplicates
    LevelReadAsItsKind = 558,     // a level under another kind's extension, read by its first bytes: %1 the file, %2 the game
    TileCount = 560,              // status bar: %1 the package's whole tiles, labelled
    Untitled = 562,               // the window's caption while the target has no file
    StepOpenTargetFile = 564,     // history step: %1 the name of the file opened as the target
    CompactRefused = 566,     // a level cannot be compacted: %1 the file, %2 why
    CompactSummary = 568,     // compacting: %1 pages before, %2 after, %3 object and %4 sprite textures, %5 areas kept, %6 shared, %7 regions dropped
    CompactIntoItself = 570,  // the compacted copy's output is the level itself: %1 the file
    CompactNotALevel = 572,   // why: the file is an image or an object package, not a level
    ObjectTextureOffPage = 574, // why: %1 object texture, %2 its page, %3 the level's pages
    SpriteTextureOffPage = 576, // why: %1 sprite texture, %2 its page, %3 the level's pages
    TextureBlockDamaged = 578, // why: %1 the block's bits a pixel, %2 its stated bytes
    MenuLevel = 580,              // menu_level: the commands on the level a pane was read from
    CompactTextures = 582,        // Level menu: the pane's level compacted into a copy
    CompactHeading = 584,         // the compaction's question, its first line: %1 the level's file
    CompactPages = 586,           // the same: %1 pages before, %2 after
    CompactTextureCounts = 588,   // the same: %1 object textures, %2 sprite textures
    CompactAreas = 590,           // the same: %1 areas kept, %2 of them shared, %3 unmapped regions dropped
    CompactEightBitKept = 592,    // the same, Tomb Raider 2 and 3: their 8-bit pages are not packed
    CompactNoShrink = 594,        // the same, when the pages cannot shrink
    CompactButton = 596,          // the compaction question's accept button
    CompactOutputTitle = 598,     // the save dialog of the compacted copy
    OpenCopyAsSource = 600,       // after compacting: %1 the copy, opened as the source?
    OpenCopyAsTarget = 602,       // the same, as the target?
    // New pairs are appended above this line with the next numbers, and their texts at the end of
    // every language's table (strings/polish.cpp, strings/english.cpp...).
    EndOfTable = 604,
};

// The pair's text in the given language, UTF-8.
std::string_view text_of(Msg message, Language language);

}  // namespace tilesmith
