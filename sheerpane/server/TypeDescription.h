#pragma once
// What the library tells hosts about its control: the enumerations (with the
// identifiers code uses and the spellings people see), the properties in
// interface order, and the events with their identifiers and arguments.

#include <cstdint>
#include <string>
#include <vector>

#include "sheerpane/registry/Guid.h"

namespace sheerpane {

struct EnumMember {
    std::string identifier;
    std::int32_t value;
    std::string spelling;
};

struct Enumeration {
    std::string name;
    std::vector<EnumMember> members;
};

struct PropertyInfo {
    std::string name;
    std::string type;
    bool readOnly = false;
};

// Every event argument is passed by reference.
struct EventArgument {
    std::string name;
    std::string type;
};

struct EventInfo {
    std::string name;
    std::int32_t id;
    std::vector<EventArgument> arguments;
};

struct TypeDescription {
    std::string library;     // "SheerpaneLib"
    std::string className;   // "Sheerpane"
    std::string progId;      // "SheerpaneLib.Sheerpane"
    std::int32_t majorVersion;
    std::int32_t minorVersion;
    Guid classId;
    Guid libraryId;
    std::vector<Enumeration> enumerations;
    std::vector<PropertyInfo> properties;
    std::vector<EventInfo> events;
};

const TypeDescription& sheerpaneType();

} // namespace sheerpane
