#include "store/DrillStore.h"


#include "engine/Hand.h"
#include "store/Database.h"
#include "store/Schema.h"
#include "store/Statement.h"
#include "store/StoreCodes.h"
#include "store/Transaction.h"

namespace store {

namespace fs = std::filesystem;

namespace {

constexpr int kMostLimpers = 9;

int checkedHandIndex(std::int64_t code)
{
    return enumFromCode<int>(code, engine::kHandCount);
}

practice::CardKey readKey(const Statement& s, int first)
{
    practice::CardKey key;
    key.situation.action = enumFromCode<engine::PreflopAction>(s.integer(first), kPreflopActionCount);
    key.situation.position = enumFromCode<engine::Position>(s.integer(first + 1), kPositionCount);
    key.situation.limpers = enumFromCode<int>(s.integer(first + 2), kMostLimpers + 1);
    key.handIndex = checkedHandIndex(s.integer(first + 3));
    return key;
}

void bindKey(Statement& s, int first, const practice::CardKey& key)
{
    s.bind(first, enumCode(key.situation.action));
    s.bind(first + 1, enumCode(key.situation.position));
    s.bind(first + 2, key.situation.limpers);
    s.bind(first + 3, key.handIndex);
}

practice::CardSchedule readSchedule(const Statement& s, int first)
{
    practice::CardSchedule c;
    c.repetitions = static_cast<int>(s.integer(first));
    c.easiness = s.real(first + 1);
    c.intervalDays = static_cast<int>(s.integer(first + 2));
    c.due = s.integer(first + 3);
    c.lapses = static_cast<int>(s.integer(first + 4));
    return c;
}

} // namespace

struct DrillStore::Impl {
    explicit Impl(const fs::path& file) : db(file, Database::Access::ReadWriteCreate) {}

    Database db;
};

DrillStore::DrillStore(const fs::path& path) : impl_(std::make_unique<Impl>(path))
{
    prepareToWrite(impl_->db);
}

DrillStore::~DrillStore() = default;

const fs::path& DrillStore::path() const
{
    return impl_->db.path();
}

std::optional<practice::CardSchedule> DrillStore::schedule(const practice::CardKey& key)
{
    Statement s(impl_->db, "SELECT repetitions, easiness, interval_days, due, lapses FROM drill_cards "
                           "WHERE before = ?1 AND position = ?2 AND limpers = ?3 AND hand_index = ?4");
    bindKey(s, 1, key);
    if (!s.step())
        return std::nullopt;
    return readSchedule(s, 0);
}

std::vector<practice::DueCard> DrillStore::dueCards(std::int64_t now, std::size_t limit)
{
    Statement s(impl_->db, "SELECT before, position, limpers, hand_index, repetitions, easiness, interval_days, due, "
                           "lapses FROM drill_cards WHERE due <= ?1 ORDER BY due, before, position, limpers, hand_index "
                           "LIMIT ?2");
    s.bind(1, now);
    s.bind(2, static_cast<std::int64_t>(limit));
    std::vector<practice::DueCard> out;
    while (s.step())
        out.push_back({readKey(s, 0), readSchedule(s, 4)});
    return out;
}

void DrillStore::record(const practice::AnswerRecord& a)
{
    Database& db = impl_->db;
    Transaction transaction(db);
    {
        Statement s(db, "INSERT INTO drill_answers(answered_at, day, before, position, limpers, hand_index, players, "
                        "seat, card_high, card_low, answer, raise_bb, advice, verdict) "
                        "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)");
        s.bind(1, a.answeredAt);
        s.bind(2, std::string_view(a.day));
        bindKey(s, 3, a.key);
        s.bind(7, a.players);
        s.bind(8, std::string_view(a.seat));
        s.bind(9, a.cards.high.index());
        s.bind(10, a.cards.low.index());
        s.bind(11, enumCode(a.answer.move));
        s.bind(12, a.answer.raiseBB);
        s.bind(13, enumCode(a.adviceClass));
        s.bind(14, enumCode(a.verdict));
        s.run();
    }
    if (a.schedule) {
        Statement s(db, "INSERT OR REPLACE INTO drill_cards(before, position, limpers, hand_index, repetitions, "
                        "easiness, interval_days, due, lapses) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)");
        bindKey(s, 1, a.key);
        s.bind(5, a.schedule->repetitions);
        s.bind(6, a.schedule->easiness);
        s.bind(7, a.schedule->intervalDays);
        s.bind(8, a.schedule->due);
        s.bind(9, a.schedule->lapses);
        s.run();
    }
    transaction.commit();
}

std::uint64_t DrillStore::answeredOn(const std::string& day) const
{
    Statement s(impl_->db, "SELECT count(*) FROM drill_answers WHERE day = ?1");
    s.bind(1, std::string_view(day));
    s.step();
    return static_cast<std::uint64_t>(s.integer(0));
}

std::vector<SituationShare> DrillStore::shareBySituation() const
{
    Statement s(impl_->db, "SELECT before, position, count(*), total(verdict = ?1) FROM drill_answers "
                           "WHERE verdict != ?2 GROUP BY before, position ORDER BY before, position");
    s.bind(1, enumCode(practice::DrillVerdict::Right));
    s.bind(2, enumCode(practice::DrillVerdict::Unscored));
    std::vector<SituationShare> out;
    while (s.step()) {
        SituationShare share;
        share.action = enumFromCode<engine::PreflopAction>(s.integer(0), kPreflopActionCount);
        share.position = enumFromCode<engine::Position>(s.integer(1), kPositionCount);
        share.scored = static_cast<std::uint64_t>(s.integer(2));
        share.right = static_cast<std::uint64_t>(s.real(3));
        out.push_back(share);
    }
    return out;
}

std::uint64_t DrillStore::dueCount(std::int64_t now) const
{
    Statement s(impl_->db, "SELECT count(*) FROM drill_cards WHERE due <= ?1");
    s.bind(1, now);
    s.step();
    return static_cast<std::uint64_t>(s.integer(0));
}

std::vector<DayShare> DrillStore::dailyShare(const std::string& firstDay, const std::string& lastDay) const
{
    Statement s(impl_->db, "SELECT day, count(*), total(verdict = ?1) FROM drill_answers "
                           "WHERE day BETWEEN ?2 AND ?3 AND verdict != ?4 GROUP BY day ORDER BY day");
    s.bind(1, enumCode(practice::DrillVerdict::Right));
    s.bind(2, std::string_view(firstDay));
    s.bind(3, std::string_view(lastDay));
    s.bind(4, enumCode(practice::DrillVerdict::Unscored));
    std::vector<DayShare> out;
    while (s.step())
        out.push_back({std::string(s.text(0)), static_cast<std::uint64_t>(s.integer(1)),
                       static_cast<std::uint64_t>(s.real(2))});
    return out;
}

std::vector<practice::AnswerRecord> DrillStore::answers() const
{
    Statement s(impl_->db, "SELECT answered_at, day, before, position, limpers, hand_index, players, seat, card_high, "
                           "card_low, answer, raise_bb, advice, verdict FROM drill_answers ORDER BY id");
    std::vector<practice::AnswerRecord> out;
    while (s.step()) {
        practice::AnswerRecord a;
        a.answeredAt = s.integer(0);
        a.day = s.text(1);
        a.key = readKey(s, 2);
        a.players = static_cast<int>(s.integer(6));
        a.seat = s.text(7);
        a.cards = engine::cards::HoleCards(
            engine::cards::Card::fromIndex(enumFromCode<int>(s.integer(8), engine::cards::kCardCount)),
            engine::cards::Card::fromIndex(enumFromCode<int>(s.integer(9), engine::cards::kCardCount)));
        a.answer.move = enumFromCode<practice::AnswerMove>(s.integer(10), practice::kAnswerMoveCount);
        a.answer.raiseBB = s.optionalReal(11);
        a.adviceClass = enumFromCode<engine::BetClass>(s.integer(12), kBetClassCount);
        a.verdict = enumFromCode<practice::DrillVerdict>(s.integer(13), practice::kDrillVerdictCount);
        out.push_back(std::move(a));
    }
    return out;
}

std::vector<practice::MistakeCard> DrillStore::mistakes(const std::optional<std::string>& player) const
{
    // Outside a limped pot the advisor does not count limpers: one card.
    std::string sql = "SELECT before, position, CASE WHEN before = ?2 THEN limpers ELSE 0 END AS l, hand_index, "
                      "count(*), total(CASE WHEN net_bb < 0 THEN -net_bb ELSE 0 END) FROM decisions "
                      "WHERE verdict IN (?3, ?4) AND position IS NOT NULL";
    if (player)
        sql += " AND player = ?1";
    sql += " GROUP BY before, position, l, hand_index ORDER BY before, position, l, hand_index";
    Statement s(impl_->db, sql.c_str());
    if (player)
        s.bind(1, std::string_view(*player));
    s.bind(2, enumCode(engine::PreflopAction::Limped));
    s.bind(3, enumCode(history::Verdict::Tighter));
    s.bind(4, enumCode(history::Verdict::Looser));
    std::vector<practice::MistakeCard> out;
    while (s.step())
        out.push_back({readKey(s, 0), static_cast<std::uint64_t>(s.integer(4)), s.real(5)});
    return out;
}

std::optional<std::string> DrillStore::mostSeenPlayer() const
{
    Statement s(impl_->db, "SELECT player, count(*) AS n FROM decisions GROUP BY player ORDER BY n DESC, player LIMIT 1");
    if (!s.step())
        return std::nullopt;
    return std::string(s.text(0));
}

} // namespace store
