// The kind table and the counting rules for entry names.
#include "resources/KindTable.h"

#include <algorithm>
#include <cctype>

namespace restallow {

const std::array<ResourceKind, kKindCount> kKinds = {{
    {".ani", "AniCursor_", " ANICURSOR "},
    {".avi", "Animation_", " ANIMATION "},
    {".bmp", "Bitmap_", " BITMAP "},
    {".cur", "Cursor_", " CURSOR "},
    {".gif", "GIF_", " GIF "},
    {".ico", "Icon_", " ICON "},
    {".inc", "Inclusion_", " INCLUDE "},
    {".jpg", "JPEG_", " JPEG "},
    {".jpeg", "JPEG_", " JPEG "},
    {".txt", "Strings_", " STRINGTABLE "},
    {".mid", "MIDI_", " MIDI "},
    {".wav", "Wave_", " WAVE "},
    {".ttf", "Font_", " TTFONT "},
    {"", "RCDATA_", " RCDATA "},
}};

std::string_view ExtensionOf(std::string_view path) {
    const auto slash = path.rfind('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

int KindOf(std::string_view path) {
    std::string ext(ExtensionOf(path));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return c < 128 ? std::tolower(c) : c; });
    for (int kind = 0; kind < kRawDataKind; ++kind) {
        if (kKinds[kind].extension == ext) return kind;
    }
    return kRawDataKind;
}

std::string KindCounters::NextName(int kind) {
    const std::int32_t number = ++counters_.at(kind);
    if (kind == kJpgKind) counters_[kJpegKind] = number;
    if (kind == kJpegKind) counters_[kJpgKind] = number;
    return std::string(kKinds[kind].prefix) + std::to_string(number);
}

int KindOfKeyword(std::string_view keyword) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (kKinds[kind].keyword == keyword) return kind;
    }
    return kRawDataKind;
}

void KindCounters::Recount(std::string_view keyword) {
    for (int kind = 0; kind < kKindCount; ++kind) {
        if (kKinds[kind].keyword == keyword) ++counters_[kind];
    }
}

void KindCounters::Add(const KindCounters& other) {
    for (int kind = 0; kind < kKindCount; ++kind) counters_[kind] += other.counters_[kind];
}

}  // namespace restallow
