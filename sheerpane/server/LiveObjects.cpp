#include "sheerpane/server/LiveObjects.h"

#include <atomic>

namespace sheerpane {

namespace {

std::atomic<long> objects{0};
std::atomic<long> locks{0};

} // namespace

void LiveObjects::add() noexcept { ++objects; }
void LiveObjects::remove() noexcept { --objects; }
void LiveObjects::lock() noexcept { ++locks; }

void LiveObjects::unlock() noexcept
{
    // An unlock without a lock must not make the library look busy for ever.
    long current = locks.load();
    while (current > 0 && !locks.compare_exchange_weak(current, current - 1)) {
    }
}

bool LiveObjects::none() noexcept { return objects.load() == 0 && locks.load() == 0; }

} // namespace sheerpane
