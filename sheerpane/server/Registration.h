#pragma once
// What registering the control writes into the registry of controls:
//
//   [Classes/{class id}]            Name, ProgID, Library, TypeLib, Version
//   [ProgIDs/SheerpaneLib.Sheerpane] Class
//   [TypeLibs/{library id}]          Name, Version, Library, Class
//   [TypeLibs/{library id}/Enumerations/<name>]  <identifier> = <value> "<spelling>"
//   [TypeLibs/{library id}/Properties]  <name> = "<type>" "get" ["set"]
//   [TypeLibs/{library id}/Events]      <name> = <id> "<argument> <type> by-reference" ...

#include <string>
#include <vector>

#include "sheerpane/registry/Registry.h"
#include "sheerpane/server/TypeDescription.h"

namespace sheerpane {

std::vector<RegistrySection> registrationSections(const TypeDescription& type, const std::string& library);

// Puts the sections in, over any earlier ones of the same names. Returns
// whether the registry changed.
bool registerControl(Registry& registry, const TypeDescription& type, const std::string& library);

// Takes out what registering this library wrote. Sections another library
// registered under the same names stay. Returns whether the registry changed.
bool unregisterControl(Registry& registry, const TypeDescription& type, const std::string& library);

} // namespace sheerpane
