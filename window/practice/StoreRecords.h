#pragma once
// The practice records kept in the review's store file, so that the drills
// start from the review's mistakes and a restart loses nothing.

#include <filesystem>
#include <memory>

#include "window/practice/PracticeRecords.h"

namespace window::practice {

// Opens or creates the store; throws store::StoreError with the review's
// message for a damaged or newer file.
std::unique_ptr<PracticeRecords> openStoreRecords(const std::filesystem::path& path);

} // namespace window::practice
