#include "window/view/TextMapping.h"

#include <algorithm>

#include "platform/text/Utf8.h"

namespace window::view {

TextMapping::TextMapping(std::string_view model, bool multiLine)
{
    std::size_t pos = 0;
    std::size_t codePoint = 0;
    display_.reserve(static_cast<qsizetype>(model.size()));
    modelAt_.reserve(model.size() + 1);
    while (pos < model.size()) {
        const char32_t c = platform::utf8::decode(model, pos);
        if (multiLine && (c == U'\r' || c == U'\n')) {
            modelAt_.push_back(codePoint);
            display_.append(QChar(u'\n'));
            ++codePoint;
            if (c == U'\r' && pos < model.size() && model[pos] == '\n') {
                ++pos;
                ++codePoint;
            }
            continue;
        }
        const char32_t units[] = {c};
        const QString s = QString::fromUcs4(units, 1);
        for (qsizetype i = 0; i < s.size(); ++i)
            modelAt_.push_back(codePoint);
        display_.append(s);
        ++codePoint;
    }
    modelAt_.push_back(codePoint);
}

int TextMapping::toDisplay(std::size_t modelPos) const
{
    // The first display unit that starts at or after the position.
    const auto it = std::lower_bound(modelAt_.begin(), modelAt_.end(), modelPos);
    if (it == modelAt_.end())
        return static_cast<int>(display_.size());
    return static_cast<int>(it - modelAt_.begin());
}

std::size_t TextMapping::toModel(int displayPos) const
{
    const auto i = static_cast<std::size_t>(std::clamp(displayPos, 0, static_cast<int>(display_.size())));
    return modelAt_[i];
}

} // namespace window::view
