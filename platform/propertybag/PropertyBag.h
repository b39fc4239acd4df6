#pragma once
// The host's store of a control's design-time properties. A value is written
// with its default and not stored when equal to it; reading a key that is not
// stored gives the default the reader passes.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/propertybag/PropertyValue.h"

namespace platform {

class PropertyBag {
public:
    std::int32_t readInteger(std::string_view key, std::int32_t defaultValue) const;
    bool readBoolean(std::string_view key, bool defaultValue) const;
    std::string readText(std::string_view key, std::string_view defaultValue) const;
    OleColour readColour(std::string_view key, OleColour defaultValue) const;
    FontDesc readFont(std::string_view key, const FontDesc& defaultValue) const;
    Picture readPicture(std::string_view key, const Picture& defaultValue) const;
    // A stored integer reads as a number too.
    double readNumber(std::string_view key, double defaultValue) const;
    // Reads the kind of value the default is.
    PropertyValue read(std::string_view key, const PropertyValue& defaultValue) const;

    // Stores the value, or removes the key when the value equals the default.
    void write(std::string_view key, PropertyValue value, const PropertyValue& defaultValue);

    const PropertyValue* find(std::string_view key) const;
    bool contains(std::string_view key) const { return find(key) != nullptr; }
    // Stored entries in the order they were first written.
    const std::vector<std::pair<std::string, PropertyValue>>& entries() const noexcept { return entries_; }
    bool empty() const noexcept { return entries_.empty(); }
    void clear() { entries_.clear(); }

    // For the text reader: stores without comparing with a default.
    void set(std::string_view key, PropertyValue value);

    // The same entries in the same order.
    bool operator==(const PropertyBag&) const = default;

private:
    std::vector<std::pair<std::string, PropertyValue>> entries_;
};

} // namespace platform
