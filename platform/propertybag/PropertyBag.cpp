#include "platform/propertybag/PropertyBag.h"

#include <algorithm>
#include <cmath>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"

namespace platform {

std::string_view describeKind(const PropertyValue& value)
{
    switch (value.index()) {
    case 0: return "an integer";
    case 1: return "a boolean";
    case 2: return "a text";
    case 3: return "a colour";
    case 4: return "a font";
    case 5: return "a picture";
    default: return "a number";
    }
}

namespace {

template <class T>
[[noreturn]] void throwMismatch(std::string_view key, const PropertyValue& stored)
{
    std::string want = std::string(describeKind(PropertyValue(T{})));
    throw PlatformError(kErrTypeMismatch, "Type mismatch: property \"" + std::string(key) + "\" holds " +
                                              std::string(describeKind(stored)) + ", not " + want);
}

template <class T>
T readAs(const PropertyBag& bag, std::string_view key, const T& defaultValue)
{
    const PropertyValue* stored = bag.find(key);
    if (!stored)
        return defaultValue;
    if (const T* value = std::get_if<T>(stored))
        return *value;
    // Colours are 32-bit numbers too.
    if constexpr (std::is_same_v<T, OleColour>) {
        if (const auto* number = std::get_if<std::int32_t>(stored))
            return OleColour{static_cast<std::uint32_t>(*number)};
    }
    if constexpr (std::is_same_v<T, std::int32_t>) {
        if (const auto* colour = std::get_if<OleColour>(stored))
            return static_cast<std::int32_t>(colour->value);
    }
    if constexpr (std::is_same_v<T, double>) {
        if (const auto* number = std::get_if<std::int32_t>(stored))
            return *number;
    }
    throwMismatch<T>(key, *stored);
}

} // namespace

std::int32_t PropertyBag::readInteger(std::string_view key, std::int32_t defaultValue) const
{
    return readAs(*this, key, defaultValue);
}

bool PropertyBag::readBoolean(std::string_view key, bool defaultValue) const
{
    return readAs(*this, key, defaultValue);
}

std::string PropertyBag::readText(std::string_view key, std::string_view defaultValue) const
{
    return readAs(*this, key, std::string(defaultValue));
}

OleColour PropertyBag::readColour(std::string_view key, OleColour defaultValue) const
{
    return readAs(*this, key, defaultValue);
}

FontDesc PropertyBag::readFont(std::string_view key, const FontDesc& defaultValue) const
{
    return readAs(*this, key, defaultValue);
}

Picture PropertyBag::readPicture(std::string_view key, const Picture& defaultValue) const
{
    return readAs(*this, key, defaultValue);
}

double PropertyBag::readNumber(std::string_view key, double defaultValue) const
{
    return readAs(*this, key, defaultValue);
}

PropertyValue PropertyBag::read(std::string_view key, const PropertyValue& defaultValue) const
{
    return std::visit([&](const auto& value) { return PropertyValue(readAs(*this, key, value)); }, defaultValue);
}

const PropertyValue* PropertyBag::find(std::string_view key) const
{
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    return it == entries_.end() ? nullptr : &it->second;
}

void PropertyBag::set(std::string_view key, PropertyValue value)
{
    // The bag's text has no way to write these, so they would be lost.
    if (const auto* number = std::get_if<double>(&value); number && !std::isfinite(*number))
        throw PlatformError(kErrInvalidPropertyValue, "Invalid property value: " + std::string(key) + " is not a finite number");
    auto it = std::find_if(entries_.begin(), entries_.end(), [&](const auto& e) { return e.first == key; });
    if (it != entries_.end())
        it->second = std::move(value);
    else
        entries_.emplace_back(std::string(key), std::move(value));
}

void PropertyBag::write(std::string_view key, PropertyValue value, const PropertyValue& defaultValue)
{
    if (value == defaultValue) {
        // A bag that is saved into again must not keep an earlier value.
        std::erase_if(entries_, [&](const auto& e) { return e.first == key; });
        return;
    }
    set(key, std::move(value));
}

} // namespace platform
