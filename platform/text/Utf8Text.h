#pragma once
// A UTF-8 text edited in place, as a text box's contents are: it remembers
// its length in code points and where one code point index falls, so that
// finding the place of an edit near the last one, and the edit itself, cost
// the same whatever the text's length. Counting and placing follow
// platform::utf8 exactly, invalid bytes included.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

class Utf8Text {
public:
    const std::string& bytes() const noexcept { return bytes_; }

    // Replaces the whole text; returns whether it changed. The length is
    // counted again only when it is next asked for.
    bool assign(std::string_view text);

    // Code points, as utf8::length counts them.
    std::size_t length() const;

    // Byte offset of code point `index`, clamped to the end, as
    // utf8::offsetOf gives it.
    std::size_t offsetOf(std::size_t index) const;

    // Replaces `count` code points from `start` (both clamped to the text)
    // with `with`. Returns false, changing nothing, when the text would stay
    // as it is.
    bool replace(std::size_t start, std::size_t count, std::string_view with);

private:
    static constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

    // Walks from the remembered place to code point `index` (or the end).
    void moveMarkTo(std::size_t index) const;

    std::string bytes_;
    mutable std::size_t length_ = 0;
    // A code point index and its byte offset, always a pair that holds.
    mutable std::size_t markIndex_ = 0;
    mutable std::size_t markByte_ = 0;
};

} // namespace platform
