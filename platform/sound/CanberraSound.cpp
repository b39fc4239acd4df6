#include "platform/sound/CanberraSound.h"

#include <canberra.h>

#include <condition_variable>
#include <mutex>

#include "platform/sound/SoundRequest.h"

namespace platform {

namespace {

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

int playOne(ca_context* context, const SoundRequest& request, const std::string& name, bool asFile)
{
    ca_proplist* props = nullptr;
    if (ca_proplist_create(&props) != CA_SUCCESS)
        return CA_ERROR_OOM;
    ca_proplist_sets(props, asFile ? CA_PROP_MEDIA_FILENAME : CA_PROP_EVENT_ID, name.c_str());
    ca_proplist_sets(props, CA_PROP_CANBERRA_CACHE_CONTROL, "never");
    int result = CA_SUCCESS;
    if (request.wait) {
        Completion completion;
        result = ca_context_play_full(context, kSoundId, props, onFinished, &completion);
        if (result == CA_SUCCESS) {
            std::unique_lock lock(completion.mutex);
            completion.done.wait(lock, [&] { return completion.finished; });
        }
    } else {
        result = ca_context_play_full(context, kSoundId, props, nullptr, nullptr);
    }
    ca_proplist_destroy(props);
    return result;
}

} // namespace

CanberraSound::~CanberraSound()
{
    if (context_)
        ca_context_destroy(context_);
}

ca_context* CanberraSound::context()
{
    if (context_ || unavailable_)
        return context_;
    if (ca_context_create(&context_) != CA_SUCCESS) {
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
        ca_context_cancel(ctx, kSoundId);
    if (request.source == SoundRequest::Source::None)
        return true;

    int result = playOne(ctx, request, request.name, request.source == SoundRequest::Source::File);
    if (result != CA_SUCCESS && request.fallbackToDefault)
        result = playOne(ctx, request, std::string(kDefaultThemeSound), false);
    return result == CA_SUCCESS;
}

} // namespace platform
