#include "help/CHtmlHelp.h"

#include <algorithm>
#include <charconv>

#include "help/CFormHtmlHelpHandler.h"
#include "help/HelpErrors.h"
#include "help/basErrorHandle.h"
#include "help/basHtmlHelp.h"
#include "platform/PlatformError.h"
#include "platform/form/Form.h"
#include "platform/handles/WindowHandleRegistry.h"

namespace help {

namespace {

std::string windowKey(std::intptr_t handle)
{
    return std::to_string(handle);
}

// The leading number of a text, as far as it goes (0 if none).
std::intptr_t leadingNumber(std::string_view text)
{
    std::intptr_t value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// An entry's viewer part: the whole text after the first "_", a number.
std::intptr_t viewerPart(std::string_view entry)
{
    const std::string_view rest = entry.substr(entry.find('_') + 1);
    std::intptr_t value = 0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (ec != std::errc() || end != rest.data() + rest.size())
        throw platform::PlatformError(13, "Type mismatch");
    return value;
}

} // namespace

CHtmlHelp::CHtmlHelp(HelpPlatform platform) : platform_(std::move(platform))
{
    if (!platform_.windows)
        platform_.windows = &platform::WindowHandleRegistry::process();
    // Without a viewer, or when it will not initialise, the cookie stays 0.
    try {
        std::int32_t cookie = 0;
        callViewer(0, {}, platform::HhInitialize, &cookie);
        mlngCookie = cookie;
    } catch (const platform::PlatformError&) {
        mlngCookie = 0;
    }
}

CHtmlHelp::~CHtmlHelp()
{
    Terminate();
}

void CHtmlHelp::Terminate()
{
    if (mfTerminated)
        return;
    CloseAll();
    if (mlngCookie != 0) {
        try {
            callViewer(0, {}, platform::HhUninitialize, mlngCookie);
        } catch (const platform::PlatformError&) {
        }
    }
    mfTerminated = true;
    mcolHelpWindows.clear();
}

std::intptr_t CHtmlHelp::callViewer(std::intptr_t caller, const std::string& file, unsigned command,
                                    const platform::HelpData& data)
{
    return platform_.viewer ? platform_.viewer->htmlHelp(caller, file, command, data) : 0;
}

void CHtmlHelp::OpenHelp(std::string_view file, std::intptr_t caller, unsigned command, std::string_view keyword)
{
    try {
        const std::string path = ResolveHelpFilePath(file);
        platform::HelpData data;
        switch (command) {
        case platform::HhDisplayIndex:
            data = std::string(keyword);
            break;
        case platform::HhDisplaySearch: {
            platform::FullTextQuery query;
            query.cbStruct = 32;
            query.fUniCodeStrings = 1;
            query.iProximity = 0;
            query.fStemmedSearch = 0;
            query.fTitleOnly = 0;
            query.fExecute = 1;
            data = std::move(query);
            break;
        }
        default:
            break;
        }
        AddHelpWindow(caller, callViewer(caller, path, command, data));
    } catch (const platform::PlatformError&) {
    }
}

void CHtmlHelp::OpenTOC(std::string_view vstrHelpFileNameOrFullPath, std::intptr_t vlngCallerHWND)
{
    OpenHelp(vstrHelpFileNameOrFullPath, vlngCallerHWND, platform::HhDisplayToc, {});
}

void CHtmlHelp::OpenIndex(std::string_view vstrHelpFileNameOrFullPath, std::intptr_t vlngCallerHWND,
                          std::string_view vstrIndexKeyWord)
{
    OpenHelp(vstrHelpFileNameOrFullPath, vlngCallerHWND, platform::HhDisplayIndex, vstrIndexKeyWord);
}

void CHtmlHelp::OpenSearch(std::string_view vstrHelpFileNameOrFullPath, std::intptr_t vlngCallerHWND)
{
    OpenHelp(vstrHelpFileNameOrFullPath, vlngCallerHWND, platform::HhDisplaySearch, {});
}

void CHtmlHelp::OpenTopic(std::string_view vstrTopicFileName, std::string_view vstrHelpFileNameOrFullPath,
                          std::intptr_t vlngCallerHWND)
{
    try {
        const std::string path = ResolveHelpFilePath(vstrHelpFileNameOrFullPath);
        const std::intptr_t viewer =
            callViewer(vlngCallerHWND, path, platform::HhDisplayTopic, std::string(vstrTopicFileName));
        AddHelpWindow(vlngCallerHWND, viewer);
    } catch (const platform::PlatformError&) {
    }
}

void CHtmlHelp::OpenContext(std::int32_t vlngHelpContextId, std::string_view vstrHelpFileNameOrFullPath,
                            std::intptr_t vlngCallerHWND)
{
    try {
        const std::string path = ResolveHelpFilePath(vstrHelpFileNameOrFullPath);
        const std::intptr_t viewer = callViewer(vlngCallerHWND, path, platform::HhHelpContext, vlngHelpContextId);
        AddHelpWindow(vlngCallerHWND, viewer);
    } catch (const platform::PlatformError&) {
    }
}

void CHtmlHelp::AddHelpWindow(std::intptr_t caller, std::intptr_t viewer)
{
    if (viewer < 1)
        return;
    mcolHelpWindows.push_back(windowKey(caller) + "_" + windowKey(viewer));
}

void CHtmlHelp::CloseHelpWindows(std::intptr_t vlngCallerHWND)
{
    try {
        // Pending messages run after each close and may add or remove entries;
        // the walk goes on from where it was, and an entry is removed by its
        // text (equal entries are interchangeable).
        std::size_t i = mcolHelpWindows.size();
        while (i > 0) {
            i = std::min(i, mcolHelpWindows.size());
            if (i == 0)
                break;
            --i;
            const std::string entry = mcolHelpWindows[i];
            const std::intptr_t caller = leadingNumber(entry);
            if (vlngCallerHWND != 0 && caller != vlngCallerHWND)
                continue;
            const std::intptr_t viewer = viewerPart(entry);
            if (platform_.windows->isWindow(viewer)) {
                platform_.windows->sendMessage(viewer, platform::WmClose, 0, 0);
                platform_.windows->doEvents();
            }
            if (i < mcolHelpWindows.size() && mcolHelpWindows[i] == entry) {
                mcolHelpWindows.erase(mcolHelpWindows.begin() + static_cast<std::ptrdiff_t>(i));
            } else {
                const auto it = std::find(mcolHelpWindows.rbegin(), mcolHelpWindows.rend(), entry);
                if (it != mcolHelpWindows.rend())
                    mcolHelpWindows.erase(std::next(it).base());
            }
        }
    } catch (const platform::PlatformError&) {
    }
}

void CHtmlHelp::CloseAll()
{
    CloseHelpWindows(0);
}

void CHtmlHelp::InitFormHelpHandler(platform::Form& rfrm, platform::CommandButton* rcmdHelp, bool vfKeyPreview)
{
    try {
        const std::string key = windowKey(rfrm.hWnd());
        // The duplicate is refused before the new handler subscribes to the
        // form, so a failed registration leaves no second handler behind.
        const bool registered = std::any_of(mcolHandlers.begin(), mcolHandlers.end(),
                                            [&](const auto& entry) { return entry.first == key; });
        if (registered)
            throw platform::PlatformError(kErrFormAlreadyRegistered, kErrFormAlreadyRegisteredText);
        auto handler = std::make_shared<CFormHtmlHelpHandler>();
        handler->Init(rfrm, rcmdHelp, {}, shared_from_this(), vfKeyPreview);
        mcolHandlers.emplace_back(key, std::move(handler));
    } catch (const platform::PlatformError& e) {
        HandleError(e, 0, {}, "InitFormHelpHandler", "CHtmlHelp");
    }
}

void CHtmlHelp::FormClosing(platform::Form& rfrm)
{
    const std::string key = windowKey(rfrm.hWnd());
    const auto it = std::find_if(mcolHandlers.begin(), mcolHandlers.end(),
                                 [&](const auto& entry) { return entry.first == key; });
    if (it != mcolHandlers.end())
        mcolHandlers.erase(it);
}

std::vector<std::string> CHtmlHelp::handlerKeys() const
{
    std::vector<std::string> keys;
    for (const auto& [key, handler] : mcolHandlers)
        keys.push_back(key);
    return keys;
}

} // namespace help
