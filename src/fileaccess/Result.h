// What a file operation or a format reader gives back: its value, or an error that says which step failed and why.
// Errors are values here, so no exception of the standard library leaves file access.
#pragma once

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
    Memory,     // memory ran out while the file was held
    Signature,  // the bytes are not of the format asked for
    Format,     // the bytes are of that format but malformed or beyond its limits
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
    // Asking for the side a result does not hold is a fault of the caller: it stops the program
    // with a message in every build, as an unchecked llvm::Expected does, instead of reading
    // through a null pointer.
    T& value() & { return *Held(); }
    const T& value() const& { return *Held(); }
    T&& value() && { return std::move(*Held()); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return Held(); }
    const T* operator->() const { return Held(); }
    const Error& error() const {
        if (ok()) Stop("Result::error() called on a result that holds a value");
        return *std::get_if<1>(&state_);
    }
    // The value, or `fallback` for a caller to whom any failure means the same.
    T value_or(T fallback) const& { return ok() ? value() : std::move(fallback); }

private:
    [[noreturn]] static void Stop(const char* what) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
    T* Held() {
        if (!ok()) Stop(("Result::value() called on an error: " + std::string(error().what())).c_str());
        return std::get_if<0>(&state_);
    }
    const T* Held() const { return const_cast<Result*>(this)->Held(); }

    std::variant<T, Error> state_;
};

struct Done {};
using Status = Result<Done>;
inline Status Ok() { return Done{}; }

}  // namespace fileaccess
