// The messages of reads that run past the end.
#include "byteformat/ByteReader.h"

namespace byteformat {

void RequireInside(std::string_view bytes, std::size_t at, std::size_t count) {
    if (Fits(bytes.size(), at, count)) return;
    throw OutOfBounds("reading " + std::to_string(count) + " bytes at byte " + std::to_string(at) +
                          " runs past the end of " + std::to_string(bytes.size()) + " bytes",
                      at);
}

std::string_view ByteReader::Need(std::size_t count) const {
    if (!Has(count)) throw OutOfBounds(std::string(subject_) + " ends early, at byte " + std::to_string(at_), at_);
    return bytes_.substr(at_, count);
}

std::string_view ByteReader::Take(std::size_t count) {
    const std::string_view part = Need(count);
    at_ += count;
    return part;
}

void ByteReader::Seek(std::size_t at) {
    if (at > bytes_.size())
        throw OutOfBounds("a length points beyond " + std::string(subject_) + ", at byte " + std::to_string(at_), at_);
    at_ = at;
}

}  // namespace byteformat
