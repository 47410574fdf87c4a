// What a reader of this library gives back: its value, or a fault code that the caller turns
// into its own message (the library knows no user and no file).
#pragma once

#include <utility>
#include <variant>

namespace byteformat {

template <typename T, typename Fault>
class Parsed {
public:
    Parsed(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Parsed(Fault fault) : state_(std::in_place_index<1>, fault) {}

    explicit operator bool() const noexcept { return state_.index() == 0; }
    const T& operator*() const { return std::get<0>(state_); }
    const T* operator->() const { return &std::get<0>(state_); }
    // Throws std::bad_variant_access when there is a value: a fault read from a value is a mistake.
    Fault fault() const { return std::get<1>(state_); }

private:
    std::variant<T, Fault> state_;
};

}  // namespace byteformat
