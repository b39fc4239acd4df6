#include "window/review/SituationGrid.h"

#include <cmath>

namespace window::review {

std::string_view rowCaption(engine::PreflopAction before)
{
    switch (before) {
    case engine::PreflopAction::Opened: return "Opened";
    case engine::PreflopAction::Limped: return "Limped";
    case engine::PreflopAction::Raised: return "Raised";
    case engine::PreflopAction::RaisedCalled: return "Raise and Call";
    case engine::PreflopAction::ReRaised: return "Re-Raise";
    }
    return "";
}

std::optional<double> GridCell::share() const
{
    if (graded == 0)
        return std::nullopt;
    return static_cast<double>(followed) / static_cast<double>(graded);
}

std::string GridCell::text() const
{
    if (hands == 0)
        return "";
    std::string t = std::to_string(hands) + (hands == 1 ? " hand\n" : " hands\n");
    if (const auto s = share())
        t += std::to_string(std::lround(*s * 100)) + "% followed";
    else
        t += "not graded";
    return t;
}

namespace {

void add(GridCell& to, const store::SituationSummary& s)
{
    to.hands += s.hands;
    to.graded += s.graded;
    to.followed += s.followed;
}

std::optional<double> per100(double net, std::uint64_t hands)
{
    if (hands == 0)
        return std::nullopt;
    return net * 100.0 / static_cast<double>(hands);
}

} // namespace

SituationGrid::SituationGrid(const std::vector<store::SituationSummary>& summary)
{
    struct Sums {
        double followed = 0, other = 0;
        std::uint64_t followedHands = 0, otherHands = 0;
    };
    std::array<Sums, kGridColumns> sums{};
    for (const store::SituationSummary& s : summary) {
        const auto row = static_cast<std::size_t>(s.before);
        if (row >= kGridRows)
            continue;
        add(total_, s);
        if (!s.position) {
            add(headsUp_, s);
            continue;
        }
        const auto column = static_cast<std::size_t>(*s.position);
        if (column >= kGridColumns)
            continue;
        add(cells_[row][column], s);
        Sums& sum = sums[column];
        sum.followed += s.followedNetBB;
        sum.followedHands += s.followedWithNet;
        sum.other += s.otherNetBB;
        sum.otherHands += s.otherWithNet;
    }
    for (std::size_t c = 0; c < kGridColumns; ++c)
        results_[c] = {per100(sums[c].followed, sums[c].followedHands), per100(sums[c].other, sums[c].otherHands)};
}

const GridCell& SituationGrid::cell(engine::PreflopAction before, engine::Position position) const
{
    return cells_[static_cast<std::size_t>(before)][static_cast<std::size_t>(position)];
}

const PositionResult& SituationGrid::result(engine::Position position) const
{
    return results_[static_cast<std::size_t>(position)];
}

} // namespace window::review
