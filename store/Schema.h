#pragma once
// The store's tables, versioned in PRAGMA user_version. Each older version is
// brought up to this one step by step; a newer version, or a file that is no
// store, is refused before anything is written.

#include "store/Database.h"

namespace store {

inline constexpr int kStoreVersion = 4;

// Reads the version (the first read of the file: a damaged file shows here)
// and refuses a newer store or another program's database. Returns the version.
int checkStoreVersion(Database& db);

// Brings a store of version `from` (0: a new file) up to kStoreVersion.
void upgradeSchema(Database& db, int from);

// How long a connection waits for another that is writing.
inline constexpr int kBusyTimeoutMs = 5000;

// Readies a connection that writes: it waits for other writers, refuses a
// damaged or newer store, keeps its log ahead of the file (so readers never
// wait) and brings the tables up to date.
void prepareToWrite(Database& db);

} // namespace store
