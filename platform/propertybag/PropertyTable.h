#pragma once
// A control's saved properties in one table: for each its name (which is also
// its bag key), its default, how to read it from the control, the property's
// setter, and what first placement and load do with a value. Placing, loading
// and saving the control all walk the table, so that each default is written
// once, in the table.
//
// Values cross the table as PropertyValue: colours (32-bit unsigned) as
// OleColour, integers and enumerations as 32-bit integers.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/PlatformError.h"
#include "platform/propertybag/Ambient.h"
#include "platform/propertybag/PropertyBag.h"
#include "platform/propertybag/PropertyErrors.h"

namespace platform {

// A default the host gives: the name it gives the control, or its font.
enum class AmbientDefault { None, DisplayName, Font };

template <class Control>
struct PropertyEntry {
    using Get = PropertyValue (*)(const Control&);
    using Put = void (*)(Control&, const PropertyValue&);
    using Check = bool (*)(const PropertyValue&);

    std::string_view name;
    // The default in the bag, unless the host gives it.
    PropertyValue defaultValue;
    AmbientDefault ambientDefault = AmbientDefault::None;
    // On first placement, when it differs from the bag's.
    AmbientDefault placedDefault = AmbientDefault::None;
    Get get = nullptr;
    // The property's setter: checks the value and tells the host.
    Put set = nullptr;
    // What first placement and load do with a value.
    Put load = nullptr;
    // The values the property takes, where the setter checks them: a load
    // refuses the others as the setter does (PlatformError 380).
    Check valid = nullptr;
    // Whether first placement gives the property its default.
    bool placed = true;
    // Loading reads pass 0 first, then pass 1, ...; within a pass, in the
    // table's order. Saving writes in the table's order.
    int readPass = 0;
};

template <class Control>
class PropertyTable {
public:
    using Entry = PropertyEntry<Control>;

    explicit PropertyTable(std::vector<Entry> entries) : entries_(std::move(entries))
    {
        for (const Entry& entry : entries_)
            passes_ = std::max(passes_, entry.readPass + 1);
    }

    const std::vector<Entry>& entries() const noexcept { return entries_; }

    // The entry of a property; throws PlatformError 5 for an unknown name.
    const Entry& entry(std::string_view name) const
    {
        for (const Entry& entry : entries_)
            if (entry.name == name)
                return entry;
        throw PlatformError(kErrInvalidProcedureCall, "No property " + std::string(name));
    }

    static PropertyValue defaultOf(const Entry& entry, const Ambient& ambient)
    {
        return fromAmbient(entry.ambientDefault, ambient, entry.defaultValue);
    }
    static PropertyValue placedDefaultOf(const Entry& entry, const Ambient& ambient)
    {
        return fromAmbient(entry.placedDefault, ambient, defaultOf(entry, ambient));
    }

    // First placement: every placed property takes its default.
    void place(Control& control, const Ambient& ambient) const
    {
        for (const Entry& entry : entries_)
            if (entry.placed && entry.load)
                entry.load(control, placedDefaultOf(entry, ambient));
    }

    // Load: each property from the bag, or its default when the bag lacks it.
    // Every value is read and checked before the first is taken, so a bag
    // that is refused leaves the control as it was.
    void read(Control& control, const PropertyBag& bag, const Ambient& ambient) const
    {
        readPasses(control, bag, ambient, 0, passes_);
    }
    // One pass of a load, for a control that does something between two.
    void read(Control& control, const PropertyBag& bag, const Ambient& ambient, int pass) const
    {
        readPasses(control, bag, ambient, pass, pass + 1);
    }

    // Throws PlatformError 380 for a value the property does not take.
    void check(const Entry& entry, const PropertyValue& value) const
    {
        if (entry.valid && !entry.valid(value))
            throw PlatformError(kErrInvalidPropertyValue,
                                "Invalid property value: " + std::string(entry.name) + " = " + describe(value));
    }
    void check(std::string_view name, const PropertyValue& value) const { check(entry(name), value); }

    // Save: every property with its default (a default is not stored).
    void write(const Control& control, PropertyBag& bag, const Ambient& ambient) const
    {
        for (const Entry& entry : entries_)
            if (entry.get)
                bag.write(entry.name, entry.get(control), defaultOf(entry, ambient));
    }

    // Through the property's setter, as a host writing it by name does.
    void set(Control& control, std::string_view name, const PropertyValue& value) const
    {
        const Entry& found = entry(name);
        if (!found.set)
            throw PlatformError(kErrInvalidProcedureCall, "Property " + std::string(name) + " is read-only");
        found.set(control, value);
    }

private:
    void readPasses(Control& control, const PropertyBag& bag, const Ambient& ambient, int first, int end) const
    {
        std::vector<std::pair<const Entry*, PropertyValue>> values;
        for (int pass = first; pass < end; ++pass)
            for (const Entry& entry : entries_)
                if (entry.readPass == pass && entry.load) {
                    PropertyValue value = bag.read(entry.name, defaultOf(entry, ambient));
                    check(entry, value);
                    values.emplace_back(&entry, std::move(value));
                }
        for (const auto& [entry, value] : values)
            entry->load(control, value);
    }

    static std::string describe(const PropertyValue& value)
    {
        if (const auto* number = std::get_if<std::int32_t>(&value))
            return std::to_string(*number);
        return std::string(describeKind(value));
    }

    static PropertyValue fromAmbient(AmbientDefault source, const Ambient& ambient, PropertyValue otherwise)
    {
        switch (source) {
        case AmbientDefault::DisplayName: return ambient.displayName;
        case AmbientDefault::Font: return ambient.font;
        case AmbientDefault::None: break;
        }
        return otherwise;
    }

    std::vector<Entry> entries_;
    int passes_ = 0;
};

// ---- Building entries from a control's own getters, setters and fields.

// A value of the control's own type as the bag keeps it.
template <class T>
PropertyValue toPropertyValue(const T& value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value;
    else if constexpr (std::is_same_v<T, std::uint32_t>)
        return OleColour{value};
    else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
        return static_cast<std::int32_t>(value);
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<double>(value);
    else if constexpr (std::is_convertible_v<T, std::string_view>)
        return std::string(value);
    else
        return value;
}

// The reverse; a value of another kind is a type mismatch.
template <class T>
T fromPropertyValue(const PropertyValue& value)
{
    const auto want = [&]<class Held>() -> const Held& {
        if (const Held* held = std::get_if<Held>(&value))
            return *held;
        throw PlatformError(kErrTypeMismatch, "Type mismatch: " + std::string(describeKind(value)));
    };
    if constexpr (std::is_same_v<T, bool>)
        return want.template operator()<bool>();
    else if constexpr (std::is_same_v<T, std::uint32_t>)
        return want.template operator()<OleColour>().value;
    else if constexpr (std::is_enum_v<T> || std::is_integral_v<T>)
        return static_cast<T>(want.template operator()<std::int32_t>());
    else if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(want.template operator()<double>());
    else
        return want.template operator()<T>();
}

namespace detail {

template <class Member>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
    using Value = T;
};
template <class C, class R>
struct MemberOf<R (C::*)() const> {
    using Class = C;
    using Value = std::decay_t<R>;
};
template <class C, class R>
struct MemberOf<R (C::*)() const noexcept> {
    using Class = C;
    using Value = std::decay_t<R>;
};
template <class C, class A>
struct MemberOf<void (C::*)(A)> {
    using Class = C;
    using Value = std::decay_t<A>;
};

} // namespace detail

// Reads a property through a getter or straight from a field.
template <auto Member>
PropertyValue propertyGet(const typename detail::MemberOf<decltype(Member)>::Class& control)
{
    if constexpr (std::is_member_function_pointer_v<decltype(Member)>)
        return toPropertyValue((control.*Member)());
    else
        return toPropertyValue(control.*Member);
}

// Hands a value to a setter, or stores it straight in a field.
template <auto Member>
void propertyPut(typename detail::MemberOf<decltype(Member)>::Class& control, const PropertyValue& value)
{
    using Value = typename detail::MemberOf<decltype(Member)>::Value;
    if constexpr (std::is_member_function_pointer_v<decltype(Member)>)
        (control.*Member)(fromPropertyValue<Value>(value));
    else
        control.*Member = fromPropertyValue<Value>(value);
}

} // namespace platform
