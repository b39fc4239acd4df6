#pragma once
// The registry's file: $XDG_DATA_HOME/control-registry/registry, or
// ~/.local/share/control-registry/registry when XDG_DATA_HOME is not an
// absolute path.
//
// Changes are made under a lock on the folder and written as a new file moved
// over the old, so that two programs registering at once lose nothing and a
// failure leaves the old file whole. A damaged file is never overwritten.

#include <filesystem>
#include <functional>

#include "sheerpane/registry/Registry.h"

namespace sheerpane {

// The platform's number for a file that cannot be read or written.
inline constexpr long kErrPathFileAccess = 75;

// Throws PlatformError (75) when there is no home folder to put it in.
std::filesystem::path registryPath();

// An absent file is an empty registry. Throws PlatformError: 321 for a
// damaged file, 75 for one that cannot be read.
Registry loadRegistry(const std::filesystem::path& file);

// Reads the registry, lets change edit it and, if change says it changed
// anything, writes it back; a registry left with no section is removed.
// Throws as loadRegistry, and 75 when the file cannot be written.
void updateRegistry(const std::filesystem::path& file, const std::function<bool(Registry&)>& change);

} // namespace sheerpane
