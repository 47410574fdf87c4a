// What a file operation or a format reader gives back: its value, or an error that says which step failed and why.
// Errors are values here, so no exception of the standard library leaves file access.
#pragma once

#include <cerrno>
#include <string>
#include <utility>
#include <variant>

namespace fileaccess {

enum class ErrorKind {
    Open,        // the file could not be opened or created
    NotRegular,  // a folder, FIFO, socket or device where a regular file is needed
    TooLarge,    // larger than the caller's limit
    Read,
    Write,
    Memory,      // memory ran out while the file was held
    Signature,   // the bytes are not of the format asked for
    Format,      // the bytes are of that format but malformed or beyond its limits
};

struct Error {
    ErrorKind kind = ErrorKind::Open;
    int code = 0;         // the errno value, 0 when none applies
    std::string message;  // names the file and the reason; empty only when memory ran out

    const char* what() const noexcept { return message.empty() ? "Out of memory" : message.c_str(); }
    // Nothing of that name exists (a caller that searches several folders tries the next one).
    bool missing() const noexcept { return kind == ErrorKind::Open && (code == ENOENT || code == ENOTDIR); }
};

// What a reader of a file format gives back when the bytes are malformed (no errno applies).
inline Error FormatError(std::string message, ErrorKind kind = ErrorKind::Format) {
    return Error{kind, 0, std::move(message)};
}

template <typename T>
class Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const noexcept { return state_.index() == 0; }
    explicit operator bool() const noexcept { return ok(); }
    T& value() & { return *std::get_if<0>(&state_); }
    const T& value() const& { return *std::get_if<0>(&state_); }
    T&& value() && { return std::move(*std::get_if<0>(&state_)); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return std::get_if<0>(&state_); }
    const T* operator->() const { return std::get_if<0>(&state_); }
    const Error& error() const { return *std::get_if<1>(&state_); }
    // The value, or `fallback` for a caller to whom any failure means the same.
    T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, Error> state_;
};

struct Done {};
using Status = Result<Done>;
inline Status Ok() { return Done{}; }

}  // namespace fileaccess
