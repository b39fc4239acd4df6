#pragma once
// Checks shared by the tests of the platform's text readers.

#include <gtest/gtest.h>

#include <cstddef>
#include <string_view>

#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"

namespace testsupport {

// Every prefix of a valid text, the empty one and the whole included, is read
// or refused as an invalid file; none crashes the reader.
template <class Read>
void expectEveryPrefixReadOrRefused(std::string_view text, Read&& read)
{
    for (std::size_t n = 0; n <= text.size(); ++n) {
        try {
            static_cast<void>(read(text.substr(0, n)));
        } catch (const platform::PlatformError& error) {
            EXPECT_EQ(error.number(), platform::kErrInvalidFileFormat) << "prefix of " << n << " bytes";
        }
    }
}

} // namespace testsupport
