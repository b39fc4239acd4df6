#pragma once
// The store the review opens: TABLEWISE_REVIEW_DB when set and not empty,
// otherwise the store's own default place.

#include <filesystem>

namespace window::review {

std::filesystem::path reviewStorePath();

} // namespace window::review
