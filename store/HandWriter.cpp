#include "store/HandWriter.h"

#include "store/Database.h"
#include "store/HandKey.h"
#include "store/StoreCodes.h"

namespace store {

HandWriter::HandWriter(Database& db)
    : db_(db),
      insertHand_(db, "INSERT INTO hands(hand_key, site, hand_number, format, text, played_at, big_blind, players, "
                      "file_id) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9) ON CONFLICT(hand_key) DO NOTHING"),
      insertDecision_(db, "INSERT INTO decisions(hand_id, player_index, player, card_high, card_low, hand_index, "
                          "players, seat, position, before, limpers, big_blind, action, to_bb, advice, advice_low_bb, "
                          "advice_high_bb, size, verdict, reason, net_bb) VALUES(?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
                          "?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21)")
{
}

std::optional<std::int64_t> HandWriter::insertHand(const history::HandHistory& hand, std::string_view text,
                                                   history::FileFormat format, std::optional<std::int64_t> fileId)
{
    handKey(hand, text, key_);
    Statement& s = insertHand_;
    s.bind(1, std::string_view(key_));
    s.bind(2, std::string_view(hand.site));
    s.bind(3, std::string_view(hand.handNumber));
    s.bind(4, enumCode(format));
    s.bindBlob(5, text);
    s.bind(6, std::string_view(hand.playedAt));
    s.bind(7, hand.bigBlind);
    s.bind(8, static_cast<std::int64_t>(hand.players.size()));
    if (fileId)
        s.bind(9, *fileId);
    else
        s.bindNull(9);
    s.run();
    s.reset();
    if (db_.changes() == 0)
        return std::nullopt;
    return db_.lastInsertId();
}

void HandWriter::insertDecision(std::int64_t handId, const history::Decision& d)
{
    Statement& s = insertDecision_;
    s.bind(1, handId);
    s.bind(2, d.playerIndex);
    s.bind(3, std::string_view(d.player));
    s.bind(4, d.cards.high.index());
    s.bind(5, d.cards.low.index());
    s.bind(6, d.handIndex);
    s.bind(7, d.players);
    s.bind(8, d.seat);
    if (d.position)
        s.bind(9, enumCode(*d.position));
    else
        s.bindNull(9);
    s.bind(10, enumCode(d.before));
    s.bind(11, d.limpers);
    s.bind(12, d.bigBlind);
    s.bind(13, enumCode(d.action));
    s.bind(14, d.toBB);
    s.bind(15, enumCode(d.advice));
    s.bind(16, d.adviceLowBB);
    s.bind(17, d.adviceHighBB);
    if (d.size)
        s.bind(18, enumCode(*d.size));
    else
        s.bindNull(18);
    s.bind(19, enumCode(d.verdict));
    if (d.reason.empty())
        s.bindNull(20);
    else
        s.bind(20, d.reason);
    s.bind(21, d.netBB);
    s.run();
    s.reset();
}

} // namespace store
