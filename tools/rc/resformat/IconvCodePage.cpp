// iconv converts between the code page and UTF-32LE, one character at a time: the script's
// tokens need each character's byte length, and a byte the code page cannot read becomes one
// U+FFFD there, as Windows reads it.
#include "resformat/IconvCodePage.h"

#include <iconv.h>

#include <cerrno>
#include <utility>

#include "resformat/Bytes.h"

namespace rc {

std::string IconvCodePage::NameOf(int codePage) {
    static const std::pair<int, const char*> kNames[] = {
        {10000, "MACINTOSH"},   {20127, "ASCII"},         {20866, "KOI8-R"},      {21866, "KOI8-U"},
        {20932, "EUC-JP"},      {51932, "EUC-JP"},        {51949, "EUC-KR"},      {51936, "EUC-CN"},
        {50220, "ISO-2022-JP"}, {50221, "ISO-2022-JP-1"}, {50222, "ISO-2022-JP"}, {50225, "ISO-2022-KR"},
        {52936, "HZ"},          {54936, "GB18030"},       {65000, "UTF-7"},       {1200, "UTF-16LE"},
        {1201, "UTF-16BE"},     {12000, "UTF-32LE"},      {12001, "UTF-32BE"},    {1361, "JOHAB"},
    };
    for (const auto& [number, name] : kNames) {
        if (number == codePage) return name;
    }
    if (codePage >= 28591 && codePage <= 28605) return "ISO-8859-" + std::to_string(codePage - 28590);
    return "CP" + std::to_string(codePage);
}

IconvCodePage::IconvCodePage(int codePage) {
    const std::string name = NameOf(codePage);
    decoder_ = iconv_open("UTF-32LE", name.c_str());
    encoder_ = iconv_open(name.c_str(), "UTF-32LE");
}

IconvCodePage::~IconvCodePage() {
    if (decoder_ != kNone) iconv_close(static_cast<iconv_t>(decoder_));
    if (encoder_ != kNone) iconv_close(static_cast<iconv_t>(encoder_));
}

std::vector<CodePoint> IconvCodePage::Decode(std::string_view bytes) {
    std::vector<CodePoint> out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        const CodePoint code = DecodeOne(bytes);
        out.push_back(code);
        bytes.remove_prefix(code.length);
    }
    return out;
}

// The shortest prefix of up to four bytes that iconv reads as one character.
CodePoint IconvCodePage::DecodeOne(std::string_view bytes) {
    const auto decoder = static_cast<iconv_t>(decoder_);
    for (std::size_t length = 1; length <= 4 && length <= bytes.size(); ++length) {
        iconv(decoder, nullptr, nullptr, nullptr, nullptr);
        std::string input(bytes.substr(0, length));
        char output[16];
        char* in = input.data();
        char* out = output;
        std::size_t inLeft = length, outLeft = sizeof output;
        const std::size_t result = iconv(decoder, &in, &inLeft, &out, &outLeft);
        // A stateful converter (1255, 1258) holds a character back until it knows what follows.
        if (result != static_cast<std::size_t>(-1)) iconv(decoder, nullptr, nullptr, &out, &outLeft);
        const auto written = static_cast<std::size_t>(out - output);
        if (result != static_cast<std::size_t>(-1) && inLeft == 0 && written >= 4) {
            const char32_t value = ReadU32(std::string_view(output, written), written - 4);
            return {value, static_cast<std::uint8_t>(length)};
        }
        if (result == static_cast<std::size_t>(-1) && errno != EINVAL) break;  // no character starts here
    }
    return {kReplacementCharacter, 1};
}

bool IconvCodePage::Encode(char32_t code, std::string& out) {
    const auto encoder = static_cast<iconv_t>(encoder_);
    iconv(encoder, nullptr, nullptr, nullptr, nullptr);
    std::string input;
    PutU32(input, static_cast<std::uint32_t>(code));
    char output[16];
    char* in = input.data();
    char* end = output;
    std::size_t inLeft = input.size(), outLeft = sizeof output;
    if (iconv(encoder, &in, &inLeft, &end, &outLeft) == static_cast<std::size_t>(-1)) return false;
    iconv(encoder, nullptr, nullptr, &end, &outLeft);  // a stateful code page returns to its start
    out.append(output, static_cast<std::size_t>(end - output));
    return true;
}

}  // namespace rc
