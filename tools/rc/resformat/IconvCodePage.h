// The code pages other than 1252 and UTF-8, converted by the C library's iconv.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "resformat/TextCodec.h"

namespace rc {

// A converter between one Windows code page and Unicode, open while it lives.
class IconvCodePage {
public:
    explicit IconvCodePage(int codePage);
    ~IconvCodePage();
    IconvCodePage(const IconvCodePage&) = delete;
    IconvCodePage& operator=(const IconvCodePage&) = delete;

    // False when the system has no converter for the code page.
    bool ok() const { return decoder_ != kNone && encoder_ != kNone; }
    std::vector<CodePoint> Decode(std::string_view bytes);
    // The character's bytes in the code page; false (and nothing appended) where it has none.
    bool Encode(char32_t code, std::string& out);

    // The iconv name of a Windows code page ("CP1251", "SHIFT_JIS", ...).
    static std::string NameOf(int codePage);

private:
    using Handle = void*;
    static inline const Handle kNone = reinterpret_cast<Handle>(-1);
    CodePoint DecodeOne(std::string_view bytes);

    Handle decoder_ = kNone;
    Handle encoder_ = kNone;
};

}  // namespace rc
