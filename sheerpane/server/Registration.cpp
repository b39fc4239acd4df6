#include "sheerpane/server/Registration.h"

namespace sheerpane {

namespace {

RegistryValue text(std::string name, std::string value)
{
    return RegistryValue{std::move(name), {std::move(value)}};
}

std::string version(const TypeDescription& type)
{
    return std::to_string(type.majorVersion) + "." + std::to_string(type.minorVersion);
}

std::string classPath(const TypeDescription& type) { return "Classes/" + toString(type.classId); }
std::string progIdPath(const TypeDescription& type) { return "ProgIDs/" + type.progId; }
std::string typeLibPath(const TypeDescription& type) { return "TypeLibs/" + toString(type.libraryId); }

// Whether the section at path is there and names this library.
bool namesLibrary(const Registry& registry, const std::string& path, const std::string& library)
{
    const RegistrySection* section = registry.find(path);
    return section && section->text("Library") == library;
}

} // namespace

std::vector<RegistrySection> registrationSections(const TypeDescription& type, const std::string& library)
{
    std::vector<RegistrySection> sections;
    sections.push_back({classPath(type),
                        {text("Name", type.className), text("ProgID", type.progId), text("Library", library),
                         text("TypeLib", toString(type.libraryId)), text("Version", version(type))}});
    sections.push_back({progIdPath(type), {text("Class", toString(type.classId))}});
    sections.push_back({typeLibPath(type),
                        {text("Name", type.library), text("Version", version(type)), text("Library", library),
                         text("Class", type.className)}});
    for (const Enumeration& enumeration : type.enumerations) {
        RegistrySection section{typeLibPath(type) + "/Enumerations/" + enumeration.name, {}};
        for (const EnumMember& member : enumeration.members)
            section.values.push_back({member.identifier, {member.value, member.spelling}});
        sections.push_back(std::move(section));
    }
    RegistrySection properties{typeLibPath(type) + "/Properties", {}};
    for (const PropertyInfo& property : type.properties) {
        RegistryValue value{property.name, {property.type, std::string("get")}};
        if (!property.readOnly)
            value.items.emplace_back(std::string("set"));
        properties.values.push_back(std::move(value));
    }
    sections.push_back(std::move(properties));
    RegistrySection events{typeLibPath(type) + "/Events", {}};
    for (const EventInfo& event : type.events) {
        RegistryValue value{event.name, {event.id}};
        for (const EventArgument& argument : event.arguments)
            value.items.emplace_back(argument.name + " " + argument.type + " by-reference");
        events.values.push_back(std::move(value));
    }
    sections.push_back(std::move(events));
    return sections;
}

bool registerControl(Registry& registry, const TypeDescription& type, const std::string& library)
{
    const Registry before = registry;
    for (RegistrySection& section : registrationSections(type, library))
        registry.put(std::move(section));
    return !(registry == before);
}

bool unregisterControl(Registry& registry, const TypeDescription& type, const std::string& library)
{
    bool changed = false;
    const std::vector<RegistrySection> ours = registrationSections(type, library);
    const bool classIsOurs = namesLibrary(registry, classPath(type), library);
    const bool typeLibIsOurs = namesLibrary(registry, typeLibPath(type), library);
    for (const RegistrySection& section : ours) {
        // The class and its name go together, and the type description with
        // its parts.
        const bool underTypeLib = section.path.rfind(typeLibPath(type), 0) == 0;
        if (underTypeLib ? typeLibIsOurs : classIsOurs)
            changed = registry.remove(section.path) || changed;
    }
    return changed;
}

} // namespace sheerpane
