#include "window/practice/StoreRecords.h"

#include "store/DrillStore.h"

namespace window::practice {

namespace {

class StoreRecords : public PracticeRecords {
public:
    explicit StoreRecords(const std::filesystem::path& path) : store_(path) {}

    ::practice::DrillLog& log() override { return store_; }

    std::uint64_t answeredOn(const std::string& day) override { return store_.answeredOn(day); }

    std::vector<SituationShare> shareBySituation() override { return store_.shareBySituation(); }

    std::uint64_t dueCount(std::int64_t now) override { return store_.dueCount(now); }

    std::vector<DayShare> dailyShare(const std::string& firstDay, const std::string& lastDay) override
    {
        return store_.dailyShare(firstDay, lastDay);
    }

    // The player the review shows first is taken to be the one practising.
    std::vector<::practice::MistakeCard> mistakes() override { return store_.mistakes(store_.mostSeenPlayer()); }

private:
    store::DrillStore store_;
};

} // namespace

std::unique_ptr<PracticeRecords> openStoreRecords(const std::filesystem::path& path)
{
    return std::make_unique<StoreRecords>(path);
}

} // namespace window::practice
