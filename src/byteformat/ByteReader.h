// Little-endian (and a few big-endian) numbers read from bytes, every read checked against their
// end: at a fixed offset, or through a cursor that moves on with each read.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace byteformat {

// A read that runs past the end of its bytes. It is a std::runtime_error, so a caller that turns
// runtime errors into messages needs nothing new; `at` is where the read began.
class OutOfBounds : public std::runtime_error {
public:
    OutOfBounds(const std::string& message, std::size_t at) : std::runtime_error(message), at_(at) {}
    std::size_t at() const { return at_; }

private:
    std::size_t at_;
};

// True when `count` bytes from `at` lie inside `size` bytes (without overflow for any values).
constexpr bool Fits(std::size_t size, std::size_t at, std::size_t count) { return at <= size && count <= size - at; }

// Throws OutOfBounds unless `count` bytes from `at` lie inside `bytes`.
void RequireInside(std::string_view bytes, std::size_t at, std::size_t count);

inline std::uint8_t ReadU8(std::string_view bytes, std::size_t at) {
    RequireInside(bytes, at, 1);
    return static_cast<std::uint8_t>(bytes[at]);
}

inline std::uint16_t ReadU16(std::string_view bytes, std::size_t at) {
    RequireInside(bytes, at, 2);
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

inline std::uint32_t ReadU32(std::string_view bytes, std::size_t at) {
    RequireInside(bytes, at, 4);
    return static_cast<std::uint32_t>(ReadU16(bytes, at)) | (static_cast<std::uint32_t>(ReadU16(bytes, at + 2)) << 16);
}

// Big-endian, as MIDI files and TrueType fonts store their numbers.
inline std::uint16_t ReadU16Be(std::string_view bytes, std::size_t at) {
    RequireInside(bytes, at, 2);
    return static_cast<std::uint16_t>((static_cast<std::uint8_t>(bytes[at]) << 8) |
                                      static_cast<std::uint8_t>(bytes[at + 1]));
}

inline std::uint32_t ReadU32Be(std::string_view bytes, std::size_t at) {
    RequireInside(bytes, at, 4);
    return (static_cast<std::uint32_t>(ReadU16Be(bytes, at)) << 16) | ReadU16Be(bytes, at + 2);
}

// A cursor over bytes. A read past the end throws OutOfBounds with "<subject> ends early, at
// byte N" (N: where the read began), a jump past the end "a length points beyond <subject>, at
// byte N" (N: where the cursor stood).
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes, std::string_view subject = "the data")
        : bytes_(bytes), subject_(subject) {}

    std::uint8_t U8() { return static_cast<std::uint8_t>(Take(1)[0]); }
    std::uint16_t U16() { return ReadU16(Take(2), 0); }
    std::uint32_t U32() { return ReadU32(Take(4), 0); }
    std::int16_t S16() { return static_cast<std::int16_t>(U16()); }
    // The next `count` bytes, moving past them.
    std::string_view Take(std::size_t count);
    void Skip(std::size_t count) { Take(count); }
    // The next byte or word without moving on.
    std::uint8_t Peek8() const { return ReadU8(Need(1), 0); }
    std::uint16_t Peek16() const { return ReadU16(Need(2), 0); }
    // Up to `count` bytes from here (fewer at the end), without moving on.
    std::string_view Look(std::size_t count) const { return bytes_.substr(at_, count); }
    void Seek(std::size_t at);
    // Moves on to the next multiple of four, or to the end where that lies beyond it.
    void Align4() { at_ = std::min(bytes_.size(), (at_ + 3) & ~std::size_t{3}); }

    bool Has(std::size_t count) const { return Fits(bytes_.size(), at_, count); }
    bool AtEnd() const { return at_ >= bytes_.size(); }
    std::size_t position() const { return at_; }
    std::size_t size() const { return bytes_.size(); }
    std::size_t remaining() const { return bytes_.size() - at_; }
    std::string_view bytes() const { return bytes_; }

private:
    std::string_view Need(std::size_t count) const;

    std::string_view bytes_;
    std::string_view subject_;
    std::size_t at_ = 0;
};

}  // namespace byteformat
