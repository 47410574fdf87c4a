// The kind table and the counting rules for entry names.
#include "resources/KindTable.h"

#include <algorithm>

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

bool SameExtension(std::string_view extension, std::string_view lower) {
    return extension.size() == lower.size() &&
           std::equal(extension.begin(), extension.end(), lower.begin(), [](char c, char l) {
               return (c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) == l;
           });
}

int KindOf(std::string_view path) {
    const std::string_view ext = ExtensionOf(path);
    for (int kind = 0; kind < kRawDataKind; ++kind) {
        if (SameExtension(ext, kKinds[kind].extension)) return kind;
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
