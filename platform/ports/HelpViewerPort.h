#pragma once
// The compiled-help viewer, called as the help wrapper calls it: a caller
// window, a help file, a command and the command's data. Returns the handle of
// the viewer window that shows the request, or 0 when nothing was shown.

#include <cstdint>
#include <string>
#include <variant>

namespace platform {

// The viewer's command numbers.
enum HelpCommand : unsigned {
    HhDisplayTopic = 0,   // data: topic file name
    HhDisplayToc = 1,     // data: none
    HhDisplayIndex = 2,   // data: keyword
    HhDisplaySearch = 3,  // data: FullTextQuery
    HhHelpContext = 15,   // data: context number
    HhInitialize = 28,    // file ignored; data: where to write the cookie
    HhUninitialize = 29,  // file ignored; data: the cookie
};

// The full-text query record of HhDisplaySearch. Its published layout is 32
// bytes of eight 4-byte fields in this order; the two strings travel here as
// text instead of pointers.
struct FullTextQuery {
    std::int32_t cbStruct = 32;
    std::int32_t fUniCodeStrings = 0;
    std::string pszSearchQuery;
    std::int32_t iProximity = 0;
    std::int32_t fStemmedSearch = 0;
    std::int32_t fTitleOnly = 0;
    std::int32_t fExecute = 0;
    std::string pszWindow;

    friend bool operator==(const FullTextQuery&, const FullTextQuery&) = default;
};

struct NoHelpData {
    friend bool operator==(NoHelpData, NoHelpData) = default;
};

// The data of a command: nothing, a text (topic file name or keyword), the
// query record, a number (context number or cookie), or the cookie to fill.
using HelpData = std::variant<NoHelpData, std::string, FullTextQuery, std::int32_t, std::int32_t*>;

class HelpViewerPort {
public:
    virtual ~HelpViewerPort() = default;
    virtual std::intptr_t htmlHelp(std::intptr_t caller, const std::string& file, unsigned command,
                                   const HelpData& data) = 0;
};

} // namespace platform
