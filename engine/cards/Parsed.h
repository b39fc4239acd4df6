#pragma once
// The result of reading a text typed by a user: the value, or a message that
// names what was wrong.

#include <string>

namespace engine::cards {

template <typename T>
struct Parsed {
    T value{};
    std::string error;

    bool ok() const { return error.empty(); }
};

} // namespace engine::cards
