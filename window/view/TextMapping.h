#pragma once
// The model keeps texts in UTF-8 with CR LF line breaks and counts positions
// in code points; a Qt text widget shows UTF-16 with one "\n" a line break.
// In a multi-line box CR LF, a lone CR and a lone LF each show as one line
// break; a single-line box shows every code point as it is.

#include <QString>
#include <cstddef>
#include <string_view>
#include <vector>

namespace window::view {

class TextMapping {
public:
    TextMapping(std::string_view model, bool multiLine);

    const QString& display() const noexcept { return display_; }

    // Display position (UTF-16) of a model position (code points); a model
    // position inside a CR LF pair maps to just after the line break.
    int toDisplay(std::size_t modelPos) const;
    // Model position of a display position.
    std::size_t toModel(int displayPos) const;

private:
    QString display_;
    // For each display unit, the model position where it starts; one more
    // entry for the end.
    std::vector<std::size_t> modelAt_;
};

} // namespace window::view
