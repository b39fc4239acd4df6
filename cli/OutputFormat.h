#pragma once
// The --format choices of the commands that write text or JSON, with the
// older -j/--json as another spelling of "--format json".

#include "cli/Args.h"

namespace cli {

enum class TextOrJson { Text, Json };

// The --format and -j/--json options as Args takes them.
inline constexpr Option kFormatOption{"--format", 'f', true};
inline constexpr Option kJsonOption{"--json", 'j', false};

// The format asked: --format text|json, or --json; text when neither is
// given. Throws UsageError for another format, or for --json beside
// --format text.
TextOrJson textOrJson(const Args& args);

} // namespace cli
