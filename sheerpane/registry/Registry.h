#pragma once
// The per-user registry of controls: sections named by a path, each holding
// named values; a value is a list of integers and texts. Its text form:
//
//   control-registry 1
//
//   [Classes/{6F1C2B7E-...}]
//   ProgID = "SheerpaneLib.Sheerpane"
//   Library = "/usr/lib/libSheerpaneLib.so"
//
//   [TypeLibs/{...}/Enumerations/AppearanceConstants]
//   ThreeD = 1 "3D"
//
// Texts are quoted with the escapes \\ \" \n \r \t \xHH; integers are
// 32-bit. Lines starting with # and blank lines are ignored when reading.
// Section paths and value names are unique: the reader refuses repeats.

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sheerpane {

using RegistryItem = std::variant<std::int32_t, std::string>;

struct RegistryValue {
    std::string name;
    std::vector<RegistryItem> items;
    bool operator==(const RegistryValue&) const = default;
};

struct RegistrySection {
    std::string path;
    std::vector<RegistryValue> values;
    bool operator==(const RegistrySection&) const = default;

    const RegistryValue* find(std::string_view name) const;
    // The value's first item as a text, or empty.
    std::string text(std::string_view name) const;
};

class Registry {
public:
    const std::vector<RegistrySection>& sections() const noexcept { return sections_; }
    bool empty() const noexcept { return sections_.empty(); }
    const RegistrySection* find(std::string_view path) const;

    // Replaces the section with the same path where it stands, or appends it.
    void put(RegistrySection section);
    // Whether there was such a section.
    bool remove(std::string_view path);

    bool operator==(const Registry&) const = default;

private:
    std::vector<RegistrySection> sections_;
};

std::string writeRegistryText(const Registry& registry);

// Throws platform::PlatformError (invalid file format, 321) naming the line
// and the fault for text that is not a registry's.
Registry readRegistryText(std::string_view text);

// Whether a path or a value name may be written (the reader would take it
// back unchanged).
bool isSectionPath(std::string_view path);
bool isValueName(std::string_view name);

} // namespace sheerpane
