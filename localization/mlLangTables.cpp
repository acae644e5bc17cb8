#include "mlLangTables.h"

const std::array<QString, 19> CharsetNames = {
    "ANSI_CHARSET",        "DEFAULT_CHARSET", "SYMBOL_CHARSET",  "MAC_CHARSET",        "SHIFTJIS_CHARSET",
    "HANGEUL_CHARSET",     "JOHAB_CHARSET",   "GB2312_CHARSET",  "CHINESEBIG5_CHARSET", "GREEK_CHARSET",
    "TURKISH_CHARSET",     "VIETNAMESE_CHARSET", "HEBREW_CHARSET", "ARABIC_CHARSET",    "BALTIC_CHARSET",
    "RUSSIAN_CHARSET",     "THAI_CHARSET",    "EASTEUROPE_CHARSET", "OEM_CHARSET",
};

const std::array<int, 19> CharsetValues = {0, 1, 2, 77, 128, 129, 130, 134, 136, 161,
                                           162, 163, 177, 178, 186, 204, 222, 238, 255};

const std::array<QString, 12> KindSectionNames = {
    "Captions", "Hints",  "DisplayLabels", "Fonts",       "Multilines", "Dialogs",
    "Strings",  "Other",  "Locales",       "Collections", "CharSets",   "ListView_TreeView_Items",
};

const std::array<QString, 12> KindNames = {
    "Caption", "Hint",  "DisplayLabel", "Font",        "TStrings", "Dialog",
    "Strings", "Other", "Locales",      "Collections", "CharSets", "ListView_TreeView_Items",
};

const std::array<QString, 15> LocaleItemNames = {
    "Currency String",   "Thousand Separator", "Decimal Separator", "Date Separator",    "Short Date Format",
    "Long Date Format",  "Time Separator",     "Time AM String",    "Time PM String",    "Short Time Format",
    "Long Time Format",  "Short Month Names",  "Long Month Names",  "Short Day Names",   "Long Day Names",
};

const std::array<QString, 79> DefaultDlgsCaptions = {
    // Message boxes.
    "Warning", "Error", "Information", "Confirm", "&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore",
    "&All", "N&o To All", "Y&es To All", "&Help",
    // Open and save dialogs.
    "&Open", "Look &in:", "File &name:", "Files of &type:", "&Read-only", "&Save", "&Drives:", "Save &in:",
    "Save as &type:",
    // Colour dialog.
    "&Basic colors:", "&Custom colors:", "&Define Custom Colors >>", "Color", "|S&olid", "Hu&e:", "&Sat:",
    "&Lum:", "&Red:", "&Green:", "Bl&ue:", "&Add to Custom Colors",
    // Font dialog.
    "&Font:", "Font st&yle:", "Si&ze:", "&Color:", "&Apply", "Effects", "Stri&keout", "&Underline", "Sample",
    "Sc&ript:",
    // Print and printer set-up dialogs.
    "Printer", "&Name:", "&Properties", "Status:", "Type:", "Where:", "Comment:", "Paper", "&Source:",
    "Orientation", "P&ortrait", "L&andscape", "Print to f&ile", "Print", "Pa&ges", "&Selection", "&from:",
    "&to:", "Copies", "Number of &copies:", "C&ollate",
    // Find and replace dialogs.
    "Fi&nd what:", "Match &whole words only", "Match &case", "Direction", "&Up", "&Down", "&Find Next",
    "&Replace", "Replace &All", "Re&place with:",
    // Picture dialog.
    "Picture:", "Preview",
};

const std::array<QString, 11> DialogButtonNames = {
    "Yes", "No", "OK", "Cancel", "Abort", "Retry", "Ignore", "All", "No_To_All", "Yes_To_All", "Help",
};

const std::array<QString, 2> StringListClassNames = {"TIB_STRINGLIST", "TSTRINGLIST"};

const std::array<QString, 3> SimplePropertyNames = {"Caption", "Hint", "DisplayLabel"};

qint16 SavedCursor = -1;
