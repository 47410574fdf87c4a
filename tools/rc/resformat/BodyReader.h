// Reads the fields of a resource body in either format: byteformat's bounds-checked cursor plus
// the texts, which are UTF-16 in the 32-bit format and code page 1252 in the 16-bit one. A body
// that ends early throws byteformat::OutOfBounds.
#pragma once

#include <exception>
#include <string>
#include <string_view>
#include <utility>

#include "byteformat/ByteReader.h"

namespace rc {

// A resource body that is malformed in a way the dumps find themselves; the message names the byte where.
class MalformedBody : public std::exception {
public:
    explicit MalformedBody(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

class BodyReader : public byteformat::ByteReader {
public:
    BodyReader(std::string_view bytes, bool win16) : byteformat::ByteReader(bytes, "the resource"), win16_(win16) {}

    bool win16() const { return win16_; }
    // A NUL-terminated text.
    std::u16string Text();

private:
    bool win16_;
};

}  // namespace rc
