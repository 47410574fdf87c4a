// The fourteen resource kinds: file extension, entry-name prefix and script keyword, with their counters.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace restallow {

struct ResourceKind {
    std::string_view extension;  // lower case, dot included; empty for the raw-data row
    std::string_view prefix;     // "Bitmap_"
    std::string_view keyword;    // " BITMAP ": the blanks belong to the keyword
};

// The rows of kKinds, in their order.
enum KindRow : int {
    kAniCursorKind,
    kAnimationKind,
    kBitmapKind,
    kCursorKind,
    kGifKind,
    kIconKind,
    kIncludeKind,
    kJpgKind,
    kJpegKind,
    kStringTableKind,
    kMidiKind,
    kWaveKind,
    kFontKind,
    kRawDataKind,
    kKindCount
};

extern const std::array<ResourceKind, kKindCount> kKinds;

inline constexpr std::string_view kStringTableKeyword = " STRINGTABLE ";
inline constexpr std::string_view kIncludeKeyword = " INCLUDE ";

// The extension of the name part of a path ("/a.b/c" has none), dot included, as written.
std::string_view ExtensionOf(std::string_view path);

// True when the extension is `lower` in any letter case (".RC" is ".rc").
bool SameExtension(std::string_view extension, std::string_view lower);

// Kind index 0..13 of a file name; unknown or missing extensions are raw data.
int KindOf(std::string_view path);
// The first row whose script keyword is `keyword` (" JPEG " gives the .jpg row); raw data when
// no row has it.
int KindOfKeyword(std::string_view keyword);

// Running numbers per kind. Each counter holds the number given to the latest entry of its kind.
class KindCounters {
public:
    // Counts the kind up and returns its next entry name; the two JPEG rows share one number.
    std::string NextName(int kind);
    void Reset() { counters_.fill(0); }
    // Counts up every kind whose keyword equals the loaded entry's type.
    void Recount(std::string_view keyword);
    void Add(const KindCounters& other);
    std::int32_t value(int kind) const { return counters_.at(kind); }
    bool operator==(const KindCounters&) const = default;

private:
    std::array<std::int32_t, kKindCount> counters_{};
};

}  // namespace restallow
