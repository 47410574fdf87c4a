// Where a problem was found and what it is: "file(line): error: text".
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>

namespace rc {

// Tokens share their file's name instead of each holding a copy.
struct Location {
    std::shared_ptr<const std::string> file;
    int line = 0;

    std::string fileName() const { return file ? *file : std::string(); }
};

// Raised inside the compiler and turned into a value at its boundary (see Compiler.h).
class CompileError : public std::exception {
public:
    CompileError(Location where, std::string message) : message_(std::move(message)), where_(std::move(where)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const Location& where() const { return where_; }
    std::string text() const {
        if (!where_.file) return "error: " + std::string(what());
        return *where_.file + "(" + std::to_string(where_.line) + "): error: " + what();
    }

private:
    std::string message_;
    Location where_;
};

// Script text that a message quotes (a token, a macro or a file name) is cut to 60 characters: a
// token of many megabytes is shown by its start and its end, never whole. Every message that
// quotes script text goes through these two.
inline std::string ShortText(std::string_view text) {
    constexpr std::size_t kLimit = 60, kHead = 40, kTail = 17;  // with "..." between: 60
    if (text.size() <= kLimit) return std::string(text);
    // Not inside a UTF-8 sequence: its continuation bytes are 10xxxxxx.
    const auto continues = [text](std::size_t at) { return (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80; };
    std::size_t head = kHead, tail = text.size() - kTail;
    for (int i = 0; i < 3 && continues(head); ++i) --head;
    for (int i = 0; i < 3 && continues(tail); ++i) ++tail;
    return std::string(text.substr(0, head)).append("...").append(text.substr(tail));
}

inline std::string QuotedText(std::string_view text, char quote = '\'') {
    return std::string(1, quote).append(ShortText(text)).append(1, quote);
}

}  // namespace rc
