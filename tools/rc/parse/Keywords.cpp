// The keyword tables of the parser's dispatch.
#include "parse/Keywords.h"

#include <strings.h>

#include <cstring>
#include <utility>

#include "resformat/ResourceTypes.h"

namespace rc {
namespace {

struct TypeKeyword {
    const char* word;
    ResourceKind kind;
    std::uint16_t type;
};

constexpr TypeKeyword kTypeKeywords[] = {
    {"ACCELERATORS", ResourceKind::Accelerators, RtAccelerators},
    {"BITMAP", ResourceKind::Bitmap, RtBitmap},
    {"CURSOR", ResourceKind::Cursor, RtGroupCursor},
    {"DIALOG", ResourceKind::Dialog, kDialogType},
    {"DIALOGEX", ResourceKind::DialogEx, kDialogType},
    {"DLGINCLUDE", ResourceKind::DlgInclude, 17},
    {"DLGINIT", ResourceKind::Data, 240},
    {"FONT", ResourceKind::Font, RtFont},
    {"HTML", ResourceKind::Data, 23},
    {"ICON", ResourceKind::Icon, RtGroupIcon},
    {"MENU", ResourceKind::Menu, RtMenu},
    {"MENUEX", ResourceKind::MenuEx, RtMenu},
    {"MESSAGETABLE", ResourceKind::Data, 11},
    {"PLUGPLAY", ResourceKind::Data, 19},
    {"RCDATA", ResourceKind::Data, RtRcData},
    {"STRINGTABLE", ResourceKind::StringTable, RtString},
    {"TOOLBAR", ResourceKind::Toolbar, RtToolbar},
    {"VERSIONINFO", ResourceKind::VersionInfo, RtVersion},
    {"VXD", ResourceKind::Data, 20},
};

// rc.exe takes ANICURSOR and ANIICON as names of types of their own, which no program finds
// (LoadCursor looks for type 21); brcc32 and windres read them as 21 and 22, and the scripts
// this program writes use them so.
constexpr TypeKeyword kAnimatedKeywords[] = {
    {"ANICURSOR", ResourceKind::AniCursor, RtAniCursor},
    {"ANIICON", ResourceKind::AniIcon, RtAniIcon},
};

// Windows 3.x resource compilers also knew these; rc.exe takes them as names of types of their own.
constexpr TypeKeyword kLegacyKeywords[] = {
    {"MANIFEST", ResourceKind::Data, 24},
    {"FONTDIR", ResourceKind::Data, RtFontDir},
};

constexpr const char* kOtherKeywords[] = {
    "BEGIN",           "END",           "LANGUAGE",      "VERSION",
    "CHARACTERISTICS", "STYLE",         "EXSTYLE",       "CAPTION",
    "CLASS",           "NOT",           "MENUITEM",      "POPUP",
    "SEPARATOR",       "BLOCK",         "VALUE",         "BUTTON",
    "VIRTKEY",         "ASCII",         "NOINVERT",      "ALT",
    "SHIFT",           "CONTROL",       "LTEXT",         "CTEXT",
    "RTEXT",           "PUSHBUTTON",    "DEFPUSHBUTTON", "PUSHBOX",
    "CHECKBOX",        "AUTOCHECKBOX",  "RADIOBUTTON",   "AUTORADIOBUTTON",
    "STATE3",          "AUTO3STATE",    "GROUPBOX",      "EDITTEXT",
    "LISTBOX",         "SCROLLBAR",     "COMBOBOX",      "USERBUTTON",
    "BEDIT",           "HEDIT",         "IEDIT",         "FILEVERSION",
    "PRODUCTVERSION",  "FILEFLAGSMASK", "FILEFLAGS",     "FILEOS",
    "FILETYPE",        "FILESUBTYPE",
};

}  // namespace

const char* BlockWordContext(const std::string& word) {
    if (word == "MENUITEM" || word == "POPUP") return "outside a MENU or POPUP";
    if (word == "VALUE") return "outside a BLOCK";
    if (word == "BLOCK") return "outside VERSIONINFO";
    return nullptr;
}

std::optional<ResourceTypeWord> KeywordType(const std::string& word, bool legacy) {
    for (const TypeKeyword& keyword : kTypeKeywords) {
        if (strcasecmp(word.c_str(), keyword.word) == 0)
            return ResourceTypeWord{keyword.kind, ResourceId::Number(keyword.type)};
    }
    for (const TypeKeyword& keyword : kAnimatedKeywords) {
        if (strcasecmp(word.c_str(), keyword.word) == 0)
            return ResourceTypeWord{keyword.kind, ResourceId::Number(keyword.type)};
    }
    for (const TypeKeyword& keyword : kLegacyKeywords) {
        if (legacy && strcasecmp(word.c_str(), keyword.word) == 0)
            return ResourceTypeWord{keyword.kind, ResourceId::Number(keyword.type)};
    }
    return std::nullopt;
}

ResourceTypeWord TypeOfNumber(std::uint16_t number) {
    ResourceKind kind = ResourceKind::Data;
    switch (number) {
        case RtBitmap: kind = ResourceKind::Bitmap; break;
        case kDialogType: kind = ResourceKind::Dialog; break;
        case RtMenu: kind = ResourceKind::Menu; break;
        case RtAccelerators: kind = ResourceKind::Accelerators; break;
        case RtGroupCursor: kind = ResourceKind::Cursor; break;
        case RtGroupIcon: kind = ResourceKind::Icon; break;
        case RtVersion: kind = ResourceKind::VersionInfo; break;
        case RtToolbar: kind = ResourceKind::Toolbar; break;
        case RtFont: kind = ResourceKind::Font; break;
        case 17: kind = ResourceKind::DlgInclude; break;
        case RtString: kind = ResourceKind::StringTable; break;
        default: break;
    }
    return {kind, ResourceId::Number(number)};
}

std::string Upper(std::string_view word) {
    std::string upper(word);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool SameWord(std::string_view word, const char* keyword) {
    return word.size() == std::strlen(keyword) && strncasecmp(word.data(), keyword, word.size()) == 0;
}

bool IsKeyword(std::string_view word) {
    if (KeywordType(std::string(word), true)) return true;
    for (const char* keyword : kOtherKeywords) {
        if (SameWord(word, keyword)) return true;
    }
    return false;
}

std::uint16_t DefaultMemoryFlags(const ResourceId& type) {
    if (!type.isNumber) return MfMoveable | MfPure;
    switch (type.number) {
        case RtGroupIcon:
        case RtGroupCursor:
        case RtString:
        case RtFont:
        case kDialogType:
        case RtMenu:
        case 17: return MfMoveable | MfPure | MfDiscardable;
        case RtIcon:
        case RtCursor:
        case RtAniIcon:
        case RtAniCursor: return MfMoveable | MfDiscardable;
        case RtFontDir: return MfMoveable | MfPreload;
        default: return MfMoveable | MfPure;
    }
}

}  // namespace rc
