#include "store/Schema.h"

#include <array>
#include <string>

#include "store/HandStore.h"
#include "store/Transaction.h"

namespace store {

namespace {

// upgrades[i] takes a store of version i to version i + 1.
constexpr std::array<const char*, kStoreVersion> kUpgrades = {
    R"(
CREATE TABLE files(
    id INTEGER PRIMARY KEY,
    path TEXT NOT NULL UNIQUE,
    size INTEGER NOT NULL,
    modified INTEGER NOT NULL,
    end_offset INTEGER NOT NULL,
    head_size INTEGER NOT NULL,
    head_digest TEXT NOT NULL
);
CREATE TABLE hands(
    id INTEGER PRIMARY KEY,
    hand_key TEXT NOT NULL UNIQUE,
    site TEXT NOT NULL,
    hand_number TEXT NOT NULL,
    format INTEGER NOT NULL,
    text BLOB NOT NULL,
    played_at TEXT NOT NULL,
    big_blind REAL NOT NULL,
    players INTEGER NOT NULL,
    file_id INTEGER REFERENCES files(id)
);
CREATE TABLE decisions(
    id INTEGER PRIMARY KEY,
    hand_id INTEGER NOT NULL REFERENCES hands(id),
    player_index INTEGER NOT NULL,
    player TEXT NOT NULL,
    card_high INTEGER NOT NULL,
    card_low INTEGER NOT NULL,
    hand_index INTEGER NOT NULL,
    players INTEGER NOT NULL,
    seat TEXT NOT NULL,
    position INTEGER,
    before INTEGER NOT NULL,
    limpers INTEGER NOT NULL,
    big_blind REAL NOT NULL,
    action INTEGER NOT NULL,
    to_bb REAL NOT NULL,
    advice INTEGER NOT NULL,
    advice_low_bb REAL,
    advice_high_bb REAL,
    size INTEGER,
    verdict INTEGER NOT NULL,
    reason TEXT,
    net_bb REAL
);
-- The review of one player reads this index alone.
CREATE INDEX decisions_player ON decisions(player, before, position, verdict, net_bb);
)",
    // The costliest differences of every player, without sorting them all.
    R"(
CREATE INDEX decisions_costliest ON decisions(net_bb, hand_id, player_index)
    WHERE verdict IN (1, 2) AND net_bb IS NOT NULL;
)",
    // The practice drills: each card's schedule and every answer.
    R"(
CREATE TABLE drill_cards(
    before INTEGER NOT NULL,
    position INTEGER NOT NULL,
    limpers INTEGER NOT NULL,
    hand_index INTEGER NOT NULL,
    repetitions INTEGER NOT NULL,
    easiness REAL NOT NULL,
    interval_days INTEGER NOT NULL,
    due INTEGER NOT NULL,
    lapses INTEGER NOT NULL,
    PRIMARY KEY(before, position, limpers, hand_index)
) WITHOUT ROWID;
CREATE INDEX drill_cards_due ON drill_cards(due);
CREATE TABLE drill_answers(
    id INTEGER PRIMARY KEY,
    answered_at INTEGER NOT NULL,
    day TEXT NOT NULL,
    before INTEGER NOT NULL,
    position INTEGER NOT NULL,
    limpers INTEGER NOT NULL,
    hand_index INTEGER NOT NULL,
    players INTEGER NOT NULL,
    seat TEXT NOT NULL,
    card_high INTEGER NOT NULL,
    card_low INTEGER NOT NULL,
    answer INTEGER NOT NULL,
    raise_bb REAL,
    advice INTEGER NOT NULL,
    verdict INTEGER NOT NULL
);
CREATE INDEX drill_answers_day ON drill_answers(day, verdict);
CREATE INDEX drill_answers_situation ON drill_answers(before, position, verdict);
)",
    // The range library: named ranges, the advisor's own charts among them.
    R"(
CREATE TABLE ranges(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL UNIQUE,
    text TEXT NOT NULL,
    created_at INTEGER NOT NULL,
    updated_at INTEGER NOT NULL,
    standard INTEGER NOT NULL DEFAULT 0
);
INSERT INTO ranges(name, text, created_at, updated_at, standard)
SELECT column1, column2, CAST(strftime('%s', 'now') AS INTEGER), CAST(strftime('%s', 'now') AS INTEGER), 1
FROM (VALUES
    ('Advisor raises: first in, early position', 'chart(opened, early):raise'),
    ('Advisor raises: first in, middle position', 'chart(opened, middle):raise'),
    ('Advisor raises: first in, late position', 'chart(opened, late):raise'),
    ('Advisor raises: first in, the blinds', 'chart(opened, blinds):raise'),
    ('Advisor raises: one limper, early position', 'chart(limped, early, 1):raise'),
    ('Advisor raises: one limper, middle position', 'chart(limped, middle, 1):raise'),
    ('Advisor raises: one limper, late position', 'chart(limped, late, 1):raise'),
    ('Advisor raises: one limper, the blinds', 'chart(limped, blinds, 1):raise'),
    ('Advisor raises: raised pot, early position', 'chart(raised, early):raise'),
    ('Advisor raises: raised pot, middle position', 'chart(raised, middle):raise'),
    ('Advisor raises: raised pot, late position', 'chart(raised, late):raise'),
    ('Advisor raises: raised pot, the blinds', 'chart(raised, blinds):raise'),
    ('Advisor raises: raised and called, early position', 'chart(raised-called, early):raise'),
    ('Advisor raises: raised and called, middle position', 'chart(raised-called, middle):raise'),
    ('Advisor raises: raised and called, late position', 'chart(raised-called, late):raise'),
    ('Advisor raises: raised and called, the blinds', 'chart(raised-called, blinds):raise'),
    ('Advisor raises: re-raised pot, early position', 'chart(re-raised, early):raise'),
    ('Advisor raises: re-raised pot, middle position', 'chart(re-raised, middle):raise'),
    ('Advisor raises: re-raised pot, late position', 'chart(re-raised, late):raise'),
    ('Advisor raises: re-raised pot, the blinds', 'chart(re-raised, blinds):raise'));
)",
};

} // namespace

void prepareToWrite(Database& db)
{
    db.setBusyTimeout(kBusyTimeoutMs);
    const int version = checkStoreVersion(db);
    db.exec("PRAGMA journal_mode = WAL");
    db.exec("PRAGMA synchronous = NORMAL");
    upgradeSchema(db, version);
}

int checkStoreVersion(Database& db)
{
    const long long version = db.queryInteger("PRAGMA user_version");
    if (version > kStoreVersion)
        throw StoreError(db.path().string() + " was written by a newer version of Brisvane Tablewise (store version "
                         + std::to_string(version) + "; this version reads up to " + std::to_string(kStoreVersion)
                         + "). Nothing was changed.");
    if (version < 0
        || (version == 0 && db.queryInteger("SELECT count(*) FROM sqlite_schema WHERE name NOT LIKE 'sqlite_%'") > 0))
        throw StoreError(db.path().string()
                         + " is not a hand store or is damaged (it holds another program's tables). Nothing was changed.");
    return static_cast<int>(version);
}

void upgradeSchema(Database& db, int from)
{
    for (int version = from; version < kStoreVersion; ++version) {
        Transaction transaction(db);
        db.exec(kUpgrades[static_cast<std::size_t>(version)]);
        db.exec(("PRAGMA user_version = " + std::to_string(version + 1)).c_str());
        transaction.commit();
    }
}

} // namespace store
