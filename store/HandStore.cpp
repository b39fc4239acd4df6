#include "store/HandStore.h"

#include <map>
#include <system_error>
#include <utility>

#include "store/Database.h"
#include "store/Importer.h"
#include "store/InternedText.h"
#include "store/Schema.h"
#include "store/Statement.h"
#include "store/StoreCodes.h"

namespace store {

namespace fs = std::filesystem;

namespace {


Database::Access accessFor(const fs::path& path, HandStore::Mode mode)
{
    if (mode == HandStore::Mode::ReadOnly) {
        std::error_code ec;
        if (!fs::exists(path, ec))
            throw StoreError("No hands are stored in " + path.string() + " yet.");
        return Database::Access::ReadOnly;
    }
    return Database::Access::ReadWriteCreate;
}

} // namespace

struct HandStore::Impl {
    Impl(const fs::path& file, Mode openMode) : mode(openMode), db(file, accessFor(file, openMode)) {}

    Mode mode;
    Database db;
};

HandStore::HandStore(const fs::path& path, Mode mode) : impl_(std::make_unique<Impl>(path, mode))
{
    Database& db = impl_->db;
    if (mode == Mode::ReadOnly) {
        db.setBusyTimeout(kBusyTimeoutMs);
        if (checkStoreVersion(db) < kStoreVersion)
            throw StoreError(path.string() + " holds no hands this version can read yet: import into it once to "
                                             "bring it up to date.");
    } else {
        prepareToWrite(db);
        // A file's transaction is held in memory up to this size before
        // it spills into the log: imports of big files write each page once.
        db.exec("PRAGMA cache_size = -32768");
    }
}

HandStore::~HandStore() = default;

const fs::path& HandStore::path() const
{
    return impl_->db.path();
}

ImportReport HandStore::importPaths(const std::vector<fs::path>& paths,
                                    const std::function<void(const ImportProgress&)>& progress,
                                    const std::atomic<bool>* cancel)
{
    if (impl_->mode == Mode::ReadOnly)
        throw StoreError(path().string() + " is open for reading only: nothing was imported.");
    return Importer(impl_->db, progress, cancel).run(paths);
}

std::vector<PlayerCount> HandStore::players() const
{
    Statement s(impl_->db, "SELECT player, count(*) AS n FROM decisions GROUP BY player "
                           "ORDER BY n DESC, player");
    std::vector<PlayerCount> out;
    while (s.step())
        out.push_back({std::string(s.text(0)), static_cast<std::uint64_t>(s.integer(1))});
    return out;
}

std::vector<SituationSummary> HandStore::summary(const std::optional<std::string>& player) const
{
    // One pass over the index (player, before, position, verdict, net_bb),
    // grouped in its order so that SQLite sorts nothing, and sums SQLite
    // takes per verdict; each situation's verdicts, and every player's, are
    // added up here.
    std::string sql = "SELECT before, position, verdict, count(*), total(net_bb), count(net_bb) FROM decisions ";
    if (player)
        sql += "WHERE player = ?1 ";
    sql += "GROUP BY player, before, position, verdict";
    Statement s(impl_->db, sql.c_str());
    if (player)
        s.bind(1, std::string_view(*player));
    // By action before, then position, heads-up last.
    std::map<std::pair<int, int>, SituationSummary> cells;
    while (s.step()) {
        const auto before = enumFromCode<engine::PreflopAction>(s.integer(0), kPreflopActionCount);
        std::optional<engine::Position> position;
        if (const auto code = s.optionalInteger(1))
            position = enumFromCode<engine::Position>(*code, kPositionCount);
        const auto verdict = enumFromCode<history::Verdict>(s.integer(2), kVerdictCount);
        const auto count = static_cast<std::uint64_t>(s.integer(3));
        const double net = s.real(4);
        const auto withNet = static_cast<std::uint64_t>(s.integer(5));

        SituationSummary& cell =
            cells[{static_cast<int>(before), position ? static_cast<int>(*position) : kPositionCount}];
        cell.before = before;
        cell.position = position;
        cell.hands += count;
        switch (verdict) {
        case history::Verdict::Follows:
            cell.graded += count;
            cell.followed += count;
            cell.followedNetBB += net;
            cell.followedWithNet += withNet;
            break;
        case history::Verdict::Tighter:
        case history::Verdict::Looser:
            cell.graded += count;
            cell.otherNetBB += net;
            cell.otherWithNet += withNet;
            break;
        case history::Verdict::Ungraded:
            break;
        }
    }
    std::vector<SituationSummary> out;
    out.reserve(cells.size());
    for (const auto& [key, cell] : cells)
        out.push_back(cell);
    return out;
}

std::vector<DecisionRow> HandStore::decisions(const DecisionFilter& filter) const
{
    std::string sql = "SELECT d.hand_id, h.site, h.hand_number, d.player_index, d.player, d.card_high, d.card_low, "
                      "d.hand_index, d.players, d.seat, d.position, d.before, d.limpers, d.big_blind, d.action, "
                      "d.to_bb, d.advice, d.advice_low_bb, d.advice_high_bb, d.size, d.verdict, d.reason, d.net_bb "
                      "FROM decisions d JOIN hands h ON h.id = d.hand_id WHERE 1";
    if (filter.player)
        sql += " AND d.player = ?1";
    if (filter.before)
        sql += " AND d.before = ?2";
    if (filter.position)
        sql += " AND d.position = ?3";
    if (filter.verdict)
        sql += " AND d.verdict = ?4";
    if (filter.differencesOnly)
        sql += " AND d.verdict IN (1, 2)";
    if (filter.lowestNetFirst)
        sql += " AND d.net_bb IS NOT NULL ORDER BY d.net_bb, d.hand_id, d.player_index";
    else
        sql += " ORDER BY d.hand_id, d.player_index";
    if (filter.limit > 0)
        sql += " LIMIT " + std::to_string(filter.limit);
    Statement s(impl_->db, sql.c_str());
    if (filter.player)
        s.bind(1, std::string_view(*filter.player));
    if (filter.before)
        s.bind(2, enumCode(*filter.before));
    if (filter.position)
        s.bind(3, enumCode(*filter.position));
    if (filter.verdict)
        s.bind(4, enumCode(*filter.verdict));

    std::vector<DecisionRow> out;
    while (s.step()) {
        DecisionRow row;
        row.handId = s.integer(0);
        row.site = s.text(1);
        row.handNumber = s.text(2);
        history::Decision& d = row.decision;
        d.playerIndex = static_cast<int>(s.integer(3));
        d.player = s.text(4);
        d.cards = history::HoleCards(history::Card::fromIndex(enumFromCode<int>(s.integer(5), engine::cards::kCardCount)),
                                     history::Card::fromIndex(enumFromCode<int>(s.integer(6), engine::cards::kCardCount)));
        d.handIndex = static_cast<int>(s.integer(7));
        d.players = static_cast<int>(s.integer(8));
        d.seat = internedText(s.text(9));
        if (const auto position = s.optionalInteger(10))
            d.position = enumFromCode<engine::Position>(*position, kPositionCount);
        d.before = enumFromCode<engine::PreflopAction>(s.integer(11), kPreflopActionCount);
        d.limpers = static_cast<int>(s.integer(12));
        d.bigBlind = s.real(13);
        d.action = enumFromCode<history::Move>(s.integer(14), kMoveCount);
        d.toBB = s.real(15);
        d.advice = enumFromCode<engine::BetClass>(s.integer(16), kBetClassCount);
        d.adviceLowBB = s.optionalReal(17);
        d.adviceHighBB = s.optionalReal(18);
        if (const auto size = s.optionalInteger(19))
            d.size = enumFromCode<history::SizeVerdict>(*size, kSizeVerdictCount);
        d.verdict = enumFromCode<history::Verdict>(s.integer(20), kVerdictCount);
        d.reason = s.isNull(21) ? std::string_view() : internedText(s.text(21));
        d.netBB = s.optionalReal(22);
        out.push_back(std::move(row));
    }
    return out;
}

std::optional<StoredHand> HandStore::hand(std::int64_t id) const
{
    Statement s(impl_->db, "SELECT format, text FROM hands WHERE id = ?1");
    s.bind(1, id);
    if (!s.step())
        return std::nullopt;
    return StoredHand{id, enumFromCode<history::FileFormat>(s.integer(0), kFileFormatCount), std::string(s.text(1))};
}

std::uint64_t HandStore::handCount() const
{
    return static_cast<std::uint64_t>(impl_->db.queryInteger("SELECT count(*) FROM hands"));
}

} // namespace store
