#include "sheerpane/registry/Registry.h"

#include <algorithm>
#include <charconv>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"
#include "platform/text/LineScanner.h"
#include "platform/text/NumberText.h"
#include "platform/text/QuotedText.h"

namespace sheerpane {

namespace {

constexpr std::string_view kTextName = "Damaged control registry";
constexpr std::string_view kHeader = "control-registry 1";
constexpr std::string_view kPreamble =
    "# Controls registered for this user. Each control library writes its own\n"
    "# sections when it registers and removes them when it unregisters.\n";

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-'; }

// ---------------------------------------------------------------- writing

void appendItem(std::string& out, const RegistryItem& item)
{
    if (const auto* number = std::get_if<std::int32_t>(&item))
        platform::text::appendNumber(out, *number);
    else
        platform::text::appendQuoted(out, std::get<std::string>(item));
}

// ---------------------------------------------------------------- reading

class LineReader : public platform::text::LineScanner {
public:
    using LineScanner::LineScanner;

    std::string sectionPath()
    {
        // The line is "[path]", spaces around it allowed.
        accept('[');
        const std::size_t close = line_.find(']', pos_);
        if (close == std::string_view::npos)
            fail("the section name has no closing \"]\"");
        const std::string_view path = line_.substr(pos_, close - pos_);
        if (!isSectionPath(path))
            fail("\"" + std::string(path) + "\" is not a section name");
        pos_ = close + 1;
        if (!atEnd())
            fail("unexpected text after the section name");
        return std::string(path);
    }

    RegistryValue value()
    {
        skipSpaces();
        const std::size_t start = pos_;
        while (pos_ < line_.size() && isNameChar(line_[pos_]))
            ++pos_;
        RegistryValue value;
        value.name = std::string(line_.substr(start, pos_ - start));
        if (!isValueName(value.name))
            fail("expected a value name or a section");
        if (!accept('='))
            fail("expected \"=\" after " + value.name);
        while (!atEnd())
            value.items.push_back(item());
        if (value.items.empty())
            fail(value.name + " has nothing after \"=\"");
        return value;
    }

private:
    RegistryItem item()
    {
        if (peek() == '"')
            return quoted();
        const std::string_view text = word();
        std::int32_t number = 0;
        const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
        if (result.ec != std::errc() || result.ptr != text.data() + text.size())
            fail("\"" + std::string(text.substr(0, 20)) + "\" is neither a 32-bit integer nor a quoted text");
        return number;
    }
};

} // namespace

bool isSectionPath(std::string_view path)
{
    if (path.empty() || path.front() == '/' || path.back() == '/' || path.front() == ' ' || path.back() == ' ')
        return false;
    if (path.find("//") != std::string_view::npos)
        return false;
    return std::none_of(path.begin(), path.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F || c == '[' || c == ']';
    });
}

bool isValueName(std::string_view name)
{
    return !name.empty() && isNameStart(name.front()) && std::all_of(name.begin(), name.end(), isNameChar);
}

const RegistryValue* RegistrySection::find(std::string_view name) const
{
    const auto it = std::find_if(values.begin(), values.end(), [&](const RegistryValue& v) { return v.name == name; });
    return it == values.end() ? nullptr : &*it;
}

std::string RegistrySection::text(std::string_view name) const
{
    const RegistryValue* value = find(name);
    if (!value || value->items.empty())
        return {};
    const auto* text = std::get_if<std::string>(&value->items.front());
    return text ? *text : std::string();
}

const RegistrySection* Registry::find(std::string_view path) const
{
    const auto it = std::find_if(sections_.begin(), sections_.end(), [&](const auto& s) { return s.path == path; });
    return it == sections_.end() ? nullptr : &*it;
}

void Registry::put(RegistrySection section)
{
    if (!isSectionPath(section.path))
        throw platform::PlatformError(platform::kErrInvalidProcedureCall,
                                      "\"" + section.path + "\" cannot name a registry section");
    for (std::size_t i = 0; i < section.values.size(); ++i) {
        const RegistryValue& value = section.values[i];
        const bool repeated = std::any_of(section.values.begin(), section.values.begin() + static_cast<long>(i),
                                          [&](const RegistryValue& v) { return v.name == value.name; });
        if (!isValueName(value.name) || value.items.empty() || repeated)
            throw platform::PlatformError(platform::kErrInvalidProcedureCall,
                                          "\"" + value.name + "\" cannot be written in section " + section.path);
    }
    const auto it = std::find_if(sections_.begin(), sections_.end(), [&](const auto& s) { return s.path == section.path; });
    if (it != sections_.end())
        *it = std::move(section);
    else
        sections_.push_back(std::move(section));
}

bool Registry::remove(std::string_view path)
{
    return std::erase_if(sections_, [&](const auto& s) { return s.path == path; }) != 0;
}

std::string writeRegistryText(const Registry& registry)
{
    std::string out(kPreamble);
    out += kHeader;
    out += '\n';
    for (const RegistrySection& section : registry.sections()) {
        out += "\n[";
        out += section.path;
        out += "]\n";
        for (const RegistryValue& value : section.values) {
            out += value.name;
            out += " =";
            for (const RegistryItem& item : value.items) {
                out += ' ';
                appendItem(out, item);
            }
            out += '\n';
        }
    }
    return out;
}

Registry readRegistryText(std::string_view text)
{
    std::vector<RegistrySection> sections;
    platform::text::forEachHeadedLine<LineReader>(text, kTextName, kHeader, [&](LineReader& reader) {
        if (reader.peek() == '[') {
            RegistrySection section;
            section.path = reader.sectionPath();
            if (std::any_of(sections.begin(), sections.end(), [&](const auto& s) { return s.path == section.path; }))
                reader.fail("section [" + section.path + "] is given twice");
            sections.push_back(std::move(section));
            return;
        }
        if (sections.empty())
            reader.fail("a value before the first section");
        RegistryValue value = reader.value();
        if (sections.back().find(value.name))
            reader.fail(value.name + " is given twice in [" + sections.back().path + "]");
        sections.back().values.push_back(std::move(value));
    });
    Registry registry;
    for (RegistrySection& section : sections)
        registry.put(std::move(section));
    return registry;
}

} // namespace sheerpane
