#pragma once
// The report of an unexpected error: a modal message box titled
// "[<application>] Error" with the error's number and description, where it
// happened and any extra text.

#include <string>
#include <string_view>

namespace platform {
class PlatformError;
}

namespace help {

void HandleError(const platform::PlatformError& err, long lineNumber, std::string_view extraText,
                 std::string_view procedureName, std::string_view moduleName);

// The box's title and text, as HandleError shows them.
std::string ErrorTitle(std::string_view applicationName);
std::string ErrorText(long number, std::string_view description, long lineNumber, std::string_view extraText,
                      std::string_view procedureName, std::string_view moduleName);

// The name the error title shows: the configured one, or the program file's.
std::string ApplicationName();

} // namespace help
