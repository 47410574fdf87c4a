// Bounds-checked reading of little-endian integers and texts from a resource body; a body that
// ends early throws.
#pragma once

#include <algorithm>
#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "resformat/Bytes.h"

namespace rc {

// A resource body that is cut short or malformed; the message names the byte where.
class MalformedBody : public std::exception {
public:
    explicit MalformedBody(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// Throws MalformedBody for a body that ends early.
class ByteReader {
public:
    ByteReader(std::string_view bytes, bool win16) : bytes_(bytes), win16_(win16) {}

    bool AtEnd() const { return at_ >= bytes_.size(); }
    std::size_t position() const { return at_; }
    bool win16() const { return win16_; }
    std::uint8_t U8() { return static_cast<std::uint8_t>(Need(1)[0]); }
    std::uint16_t U16() { return ReadU16(Need(2), 0); }
    std::uint32_t U32() { return ReadU32(Need(4), 0); }
    void Skip(std::size_t count) { Need(count); }
    void Align4() { at_ = std::min(bytes_.size(), (at_ + 3) & ~std::size_t{3}); }
    // A NUL-terminated text: UTF-16 in the 32-bit format, code page 1252 in the 16-bit one.
    std::u16string Text();
    // The next `count` bytes without moving on, and a jump to a position inside the body.
    std::string_view Look(std::size_t count) const { return bytes_.substr(at_, count); }
    void Seek(std::size_t at) {
        if (at > bytes_.size()) throw MalformedBody("a length points beyond the resource, at byte " + std::to_string(at_));
        at_ = at;
    }
    std::size_t size() const { return bytes_.size(); }

private:
    std::string_view Need(std::size_t count) {
        if (count > bytes_.size() - at_) throw MalformedBody("the resource ends early, at byte " + std::to_string(at_));
        const std::string_view part = bytes_.substr(at_, count);
        at_ += count;
        return part;
    }

    std::string_view bytes_;
    bool win16_;
    std::size_t at_ = 0;
};

}  // namespace rc
