#include "platform/sound/CanberraSound.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>
#include <type_traits>

#include "platform/SharedLibrary.h"
#include "platform/sound/SoundRequest.h"

namespace platform {

namespace {

// The sound library, loaded with the first sound played: the functions used
// here, or none at all when the library or one of them is missing.
struct Canberra {
    decltype(&::ca_context_create) contextCreate = nullptr;
    decltype(&::ca_context_destroy) contextDestroy = nullptr;
    decltype(&::ca_context_cancel) contextCancel = nullptr;
    decltype(&::ca_context_play_full) contextPlayFull = nullptr;
    decltype(&::ca_proplist_create) proplistCreate = nullptr;
    decltype(&::ca_proplist_sets) proplistSets = nullptr;
    decltype(&::ca_proplist_destroy) proplistDestroy = nullptr;
};

const Canberra* canberra()
{
    static const Canberra* const loaded = []() -> const Canberra* {
        static const SharedLibrary library("libcanberra.so.0");
        static Canberra c;
        auto take = [&](auto& function, const char* name) {
            function = library.function<std::remove_pointer_t<std::remove_reference_t<decltype(function)>>>(name);
        };
        take(c.contextCreate, "ca_context_create");
        take(c.contextDestroy, "ca_context_destroy");
        take(c.contextCancel, "ca_context_cancel");
        take(c.contextPlayFull, "ca_context_play_full");
        take(c.proplistCreate, "ca_proplist_create");
        take(c.proplistSets, "ca_proplist_sets");
        take(c.proplistDestroy, "ca_proplist_destroy");
        const bool complete = c.contextCreate && c.contextDestroy && c.contextCancel && c.contextPlayFull
            && c.proplistCreate && c.proplistSets && c.proplistDestroy;
        return complete ? &c : nullptr;
    }();
    return loaded;
}

// Every sound of one port shares this id, so that a purge stops them all.
constexpr std::uint32_t kSoundId = 1;

struct Completion {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
};

void onFinished(ca_context*, std::uint32_t, int, void* userdata)
{
    auto* completion = static_cast<Completion*>(userdata);
    std::lock_guard lock(completion->mutex);
    completion->finished = true;
    completion->done.notify_all();
}

int playOne(const Canberra& ca, ca_context* context, const SoundRequest& request, const std::string& name, bool asFile)
{
    ca_proplist* props = nullptr;
    if (ca.proplistCreate(&props) != CA_SUCCESS)
        return CA_ERROR_OOM;
    ca.proplistSets(props, asFile ? CA_PROP_MEDIA_FILENAME : CA_PROP_EVENT_ID, name.c_str());
    ca.proplistSets(props, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    int result = CA_SUCCESS;
    if (request.wait) {
        Completion completion;
        result = ca.contextPlayFull(context, kSoundId, props, onFinished, &completion);
        if (result == CA_SUCCESS) {
            std::unique_lock lock(completion.mutex);
            completion.done.wait(lock, [&] { return completion.finished; });
        }
    } else {
        result = ca.contextPlayFull(context, kSoundId, props, nullptr, nullptr);
    }
    ca.proplistDestroy(props);
    return result;
}

} // namespace

CanberraSound::~CanberraSound()
{
    if (context_)
        canberra()->contextDestroy(context_);
}

ca_context* CanberraSound::context()
{
    if (context_ || unavailable_)
        return context_;
    const Canberra* ca = canberra();
    if (!ca || ca->contextCreate(&context_) != CA_SUCCESS) {
        context_ = nullptr;
        unavailable_ = true;
    }
    return context_;
}

bool CanberraSound::play(const std::string& fileOrAlias, unsigned flags)
{
    const SoundRequest request = describeSound(fileOrAlias, flags);
    ca_context* ctx = context();
    if (!ctx)
        return false;
    if (request.stopEarlier)
        canberra()->contextCancel(ctx, kSoundId);
    if (request.source == SoundRequest::Source::None)
        return true;

    const Canberra& ca = *canberra();
    int result = playOne(ca, ctx, request, request.name, request.source == SoundRequest::Source::File);
    if (result != CA_SUCCESS && request.fallbackToDefault)
        result = playOne(ca, ctx, request, std::string(kDefaultThemeSound), false);
    return result == CA_SUCCESS;
}

} // namespace platform
