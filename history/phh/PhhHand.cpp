#include "history/phh/PhhHand.h"

#include <toml++/toml.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace history::phh {

namespace {

// Two hole cards each and five on the board fit in a 52-card deck.
constexpr std::size_t kMaxPlayers = 23;

// Sums of money kept in doubles carry noise (0.1 + 0.2 is not 0.3): amounts
// the reader computes are rounded to a billionth of a unit (a thousandth from
// a million up) so they come out as the decimals the file wrote.
double tidy(double x)
{
    const double a = std::fabs(x);
    if (a < 1e6)
        return std::round(x * 1e9) / 1e9;
    if (a < 1e12)
        return std::round(x * 1e3) / 1e3;
    return x;
}

// What is left of a stack below this counts as nothing (all in).
bool isZero(double x) { return std::fabs(x) < 1e-9; }

std::string quoted(std::string_view text)
{
    constexpr std::size_t kMax = 40;
    std::string s = "\"";
    s.append(text.substr(0, kMax));
    if (text.size() > kMax)
        s += "...";
    s += '"';
    return s;
}

void appendInt(std::string& s, long long v, int width = 0)
{
    char digits[24];
    const auto r = std::to_chars(std::begin(digits), std::end(digits), v < 0 ? -v : v);
    const auto n = static_cast<int>(r.ptr - digits);
    if (v < 0)
        s += '-';
    for (int i = n; i < width; ++i)
        s += '0';
    s.append(digits, r.ptr);
}

// A number, integer or float, finite.
bool numberOf(const toml::node& n, double& out)
{
    if (const auto* i = n.as_integer()) {
        out = static_cast<double>(i->get());
        return true;
    }
    if (const auto* f = n.as_floating_point()) {
        out = f->get();
        return std::isfinite(out);
    }
    return false;
}

int rankOf(char c)
{
    switch (c) {
    case '2': return 0;
    case '3': return 1;
    case '4': return 2;
    case '5': return 3;
    case '6': return 4;
    case '7': return 5;
    case '8': return 6;
    case '9': return 7;
    case 'T': case 't': return 8;
    case 'J': case 'j': return 9;
    case 'Q': case 'q': return 10;
    case 'K': case 'k': return 11;
    case 'A': case 'a': return 12;
    default: return -1;
    }
}

int suitOf(char c)
{
    switch (c) { // the engine's order: spades, hearts, diamonds, clubs
    case 's': case 'S': return 0;
    case 'h': case 'H': return 1;
    case 'd': case 'D': return 2;
    case 'c': case 'C': return 3;
    default: return -1;
    }
}

// Cards written together, two characters each, "??" (or any pair holding a
// "?") for a card not seen: "AsKd", "????", "9s7h2c".
struct CardsText {
    std::size_t count = 0;
    bool allKnown = true;
    std::array<Card, 5> cards{};
};

bool readCards(std::string_view text, CardsText& out)
{
    if (text.size() % 2 != 0 || text.size() / 2 > out.cards.size())
        return false;
    out.count = text.size() / 2;
    for (std::size_t i = 0; i < out.count; ++i) {
        const char r = text[2 * i];
        const char s = text[2 * i + 1];
        if (r == '?' || s == '?') {
            out.allKnown = false;
            continue;
        }
        const int rank = rankOf(r);
        const int suit = suitOf(s);
        if (rank < 0 || suit < 0)
            return false;
        out.cards[i] = Card(rank, suit);
    }
    return true;
}

// An action text split at blanks, its `#` comment cut off.
struct Words {
    std::array<std::string_view, 4> w;
    std::size_t n = 0;
    bool tooMany = false;
};

Words wordsOf(std::string_view text)
{
    if (const auto hash = text.find('#'); hash != std::string_view::npos)
        text = text.substr(0, hash);
    Words words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i == text.size())
            break;
        std::size_t j = i;
        while (j < text.size() && text[j] != ' ' && text[j] != '\t')
            ++j;
        if (words.n == words.w.size()) {
            words.tooMany = true;
            break;
        }
        words.w[words.n++] = text.substr(i, j - i);
        i = j;
    }
    return words;
}

// "p3" -> 2 (an index into the players), or -1.
int playerOf(std::string_view word, std::size_t players)
{
    if (word.size() < 2 || word[0] != 'p')
        return -1;
    unsigned n = 0;
    const auto r = std::from_chars(word.data() + 1, word.data() + word.size(), n);
    if (r.ec != std::errc() || r.ptr != word.data() + word.size() || n < 1 || n > players)
        return -1;
    return static_cast<int>(n - 1);
}

bool amountOf(std::string_view word, double& out)
{
    // Plain decimals as PHH writes them ("3", "4.75"); from_chars ignores the locale.
    const auto r = std::from_chars(word.data(), word.data() + word.size(), out, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == word.data() + word.size() && std::isfinite(out) && out >= 0;
}

struct SeatState {
    double remaining = 0; // what is left of the stack
    double live = 0;      // the live bet on this street
    double total = 0;     // everything put in: antes, blinds, bets
};

class Builder {
public:
    Builder(const toml::table& t, HandHistory& hand) : t_(t), hand_(hand) {}

    HandResult build()
    {
        if (!readVariant() || !readPlayers() || !readPosts() || !readActions() || !readNets() || !readMeta())
            return std::move(result_);
        return {};
    }

private:
    bool fail(std::string reason)
    {
        result_.status = HandStatus::Incomplete;
        result_.reason = std::move(reason);
        return false;
    }

    bool readVariant()
    {
        const toml::node* v = t_.get("variant");
        if (!v)
            return fail("no variant");
        const auto* s = v->as_string();
        if (!s)
            return fail("the variant is no text");
        if (s->get() != "NT") {
            result_.status = HandStatus::Variant;
            result_.reason = "variant " + quoted(s->get()) + ", not no-limit hold'em (NT)";
            return false;
        }
        return true;
    }

    // The numbers of an array of one entry per player. False (with the
    // reason) when it is there but wrong; `present` says whether it is there.
    bool numbers(std::string_view key, std::vector<double>& out, bool& present)
    {
        out.clear();
        const toml::node* node = t_.get(key);
        present = node != nullptr;
        if (!node)
            return true;
        const auto* a = node->as_array();
        if (!a)
            return fail(std::string(key) + " is no array");
        if (n_ != 0 && a->size() != n_)
            return fail(std::string(key) + " has " + std::to_string(a->size()) + " entries for " + std::to_string(n_) +
                        " players");
        out.reserve(a->size());
        for (const toml::node& e : *a) {
            double x = 0;
            if (!numberOf(e, x) || x < 0)
                return fail(std::string(key) + " holds something other than an amount");
            out.push_back(x);
        }
        return true;
    }

    bool readPlayers()
    {
        bool present = false;
        if (!numbers("starting_stacks", stacks_, present))
            return false;
        if (!present)
            return fail("no starting_stacks");
        n_ = stacks_.size();
        if (n_ < 2 || n_ > kMaxPlayers)
            return fail(std::to_string(n_) + " players");
        if (!numbers("blinds_or_straddles", blinds_, present))
            return false;
        if (!present)
            return fail("no blinds_or_straddles");
        if (!numbers("antes", antes_, present))
            return false;
        if (!present)
            antes_.assign(n_, 0.0);
        if (!numbers("winnings", winnings_, hasWinnings_) || !numbers("finishing_stacks", finishing_, hasFinishing_))
            return false;

        const toml::array* names = nullptr;
        if (const toml::node* node = t_.get("players")) {
            names = node->as_array();
            if (!names || names->size() != n_)
                return fail("players is no array of one name per player");
        }
        const toml::array* seats = nullptr;
        if (const toml::node* node = t_.get("seats")) {
            seats = node->as_array();
            if (!seats || seats->size() != n_)
                return fail("seats is no array of one seat per player");
        }
        hand_.players.resize(n_);
        for (std::size_t i = 0; i < n_; ++i) {
            Player& p = hand_.players[i];
            p.name.clear();
            if (names) {
                const auto* s = (*names)[i].as_string();
                if (!s)
                    return fail("a player's name is no text");
                p.name = s->get();
            } else {
                p.name = "p";
                appendInt(p.name, static_cast<long long>(i + 1));
            }
            p.seat = static_cast<int>(i + 1);
            if (seats) {
                const auto* s = (*seats)[i].as_integer();
                if (!s || s->get() < 0 || s->get() > 1000)
                    return fail("a seat is no seat number");
                p.seat = static_cast<int>(s->get());
            }
            p.stack = stacks_[i];
            p.cards.reset();
            p.net.reset();
            seat_[i] = SeatState{stacks_[i], 0, 0};
        }
        return true;
    }

    // Puts `amount` in for player i (no more than his stack); live money
    // counts toward his bet on the street.
    void put(std::size_t i, ActionKind kind, double amount, bool live)
    {
        SeatState& s = seat_[i];
        double added = std::min(amount, s.remaining);
        added = tidy(added);
        s.remaining = tidy(s.remaining - added);
        s.total = tidy(s.total + added);
        Action a;
        a.street = street_;
        a.player = static_cast<std::uint8_t>(i);
        a.kind = kind;
        a.added = added;
        if (live) {
            s.live = tidy(s.live + added);
            a.to = s.live;
            highest_ = std::max(highest_, s.live);
        }
        a.allIn = isZero(s.remaining);
        hand_.actions.push_back(a);
    }

    bool readPosts()
    {
        double ante = 0;
        for (std::size_t i = 0; i < n_; ++i)
            if (antes_[i] > 0) {
                put(i, ActionKind::Ante, antes_[i], false);
                ante = std::max(ante, antes_[i]);
            }
        hand_.ante = ante;

        // Who posts which blind: p1 the small and p2 the big blind, then
        // straddles; heads-up p1 is the big blind and p2 (the button) the small
        // one; should a heads-up file write them the other way round, the lower
        // amount is the small blind.
        std::size_t sb = n_, bb = n_;
        if (n_ == 2) {
            sb = 1;
            bb = 0;
            if (blinds_[0] > 0 && blinds_[1] > 0 && blinds_[0] < blinds_[1])
                std::swap(sb, bb);
        } else {
            sb = 0;
            bb = 1;
        }
        if (blinds_[sb] > 0)
            put(sb, ActionKind::SmallBlind, blinds_[sb], true);
        if (blinds_[bb] > 0)
            put(bb, ActionKind::BigBlind, blinds_[bb], true);
        for (std::size_t i = 2; i < n_; ++i)
            if (blinds_[i] > 0)
                put(i, ActionKind::Straddle, blinds_[i], true);
        hand_.smallBlind = blinds_[sb];
        hand_.bigBlind = blinds_[bb];
        if (hand_.bigBlind <= 0)
            if (const toml::node* minBet = t_.get("min_bet"))
                numberOf(*minBet, hand_.bigBlind);
        return true;
    }

    bool known(Card c)
    {
        const std::uint64_t bit = std::uint64_t{1} << c.index();
        if (used_ & bit)
            return fail("the card " + c.text() + " is there twice");
        used_ |= bit;
        return true;
    }

    bool holeCards(std::size_t i, const CardsText& cards, std::string_view text)
    {
        if (cards.count == 0)
            return true;
        if (cards.count != 2)
            return fail("hole cards " + quoted(text) + " are not two cards");
        if (!cards.allKnown)
            return true;
        const HoleCards hc(cards.cards[0], cards.cards[1]);
        std::optional<HoleCards>& mine = hand_.players[i].cards;
        if (mine) {
            if (*mine != hc)
                return fail("p" + std::to_string(i + 1) + " shows " + hc.text() + " but holds " + mine->text());
            return true;
        }
        if (!known(hc.high) || !known(hc.low))
            return false;
        mine = hc;
        return true;
    }

    bool deal(const Words& w, std::string_view text)
    {
        CardsText cards;
        if (w.w[1] == "dh") {
            const int p = w.n >= 3 ? playerOf(w.w[2], n_) : -1;
            if (p < 0 || w.n > 4)
                return fail("unknown action " + quoted(text));
            if (w.n == 4 && !readCards(w.w[3], cards))
                return fail("unreadable cards in " + quoted(text));
            return holeCards(static_cast<std::size_t>(p), cards, text);
        }
        if (w.w[1] == "db") {
            if (w.n != 3 || !readCards(w.w[2], cards) || cards.count == 0 || !cards.allKnown)
                return fail("unreadable board cards in " + quoted(text));
            const std::size_t after = hand_.board.size() + cards.count;
            Street next = Street::Flop;
            if (street_ == Street::Preflop && after == 3)
                next = Street::Flop;
            else if (street_ == Street::Flop && after == 4)
                next = Street::Turn;
            else if (street_ == Street::Turn && after == 5)
                next = Street::River;
            else
                return fail("board cards dealt out of turn: " + quoted(text));
            for (std::size_t c = 0; c < cards.count; ++c) {
                if (!known(cards.cards[c]))
                    return false;
                hand_.board.push_back(cards.cards[c]);
            }
            street_ = next;
            highest_ = 0;
            for (std::size_t i = 0; i < n_; ++i)
                seat_[i].live = 0;
            return true;
        }
        return fail("unknown action " + quoted(text));
    }

    bool act(std::size_t i, const Words& w, std::string_view text)
    {
        const std::string_view verb = w.w[1];
        SeatState& s = seat_[i];
        if (verb == "f" && w.n == 2) {
            Action a;
            a.street = street_;
            a.player = static_cast<std::uint8_t>(i);
            a.kind = ActionKind::Fold;
            a.to = s.live;
            hand_.actions.push_back(a);
            return true;
        }
        if (verb == "cc" && w.n == 2) {
            if (highest_ > s.live && !isZero(highest_ - s.live)) {
                put(i, ActionKind::Call, highest_ - s.live, true);
            } else {
                Action a;
                a.street = street_;
                a.player = static_cast<std::uint8_t>(i);
                a.kind = ActionKind::Check;
                a.to = s.live;
                a.allIn = isZero(s.remaining);
                hand_.actions.push_back(a);
            }
            return true;
        }
        if (verb == "cbr" && w.n == 3) {
            double to = 0;
            if (!amountOf(w.w[2], to))
                return fail("unreadable amount in " + quoted(text));
            // It must go beyond the bet to match, unless it is all in.
            const bool allIn = to >= s.live + s.remaining || isZero(to - s.live - s.remaining);
            if (to <= s.live || isZero(to - s.live) || ((to <= highest_ || isZero(to - highest_)) && !allIn))
                return fail("a bet or raise to no more than the bet to match: " + quoted(text));
            // A file that bets beyond the stack means all in.
            const ActionKind kind =
                street_ != Street::Preflop && isZero(highest_) ? ActionKind::Bet : ActionKind::Raise;
            put(i, kind, to - s.live, true);
            return true;
        }
        if (verb == "sm" && w.n <= 3) {
            if (w.n == 2 || w.w[2] == "-")
                return true; // mucked
            CardsText cards;
            if (!readCards(w.w[2], cards))
                return fail("unreadable cards in " + quoted(text));
            return holeCards(i, cards, text);
        }
        // Discards (draw games) and the bring-in (stud) are PHH actions that
        // change nothing here.
        if (verb == "sd" || verb == "pb")
            return true;
        return fail("unknown action " + quoted(text));
    }

    bool readActions()
    {
        const toml::node* node = t_.get("actions");
        if (!node)
            return fail("no actions");
        const auto* list = node->as_array();
        if (!list)
            return fail("actions is no array");
        for (const toml::node& e : *list) {
            const auto* s = e.as_string();
            if (!s)
                return fail("an action is no text");
            const std::string_view text = s->get();
            const Words w = wordsOf(text);
            if (w.n == 0)
                continue; // a comment alone
            if (w.tooMany || w.n < 2)
                return fail("unknown action " + quoted(text));
            if (w.w[0] == "d") {
                if (!deal(w, text))
                    return false;
                continue;
            }
            const int p = playerOf(w.w[0], n_);
            if (p < 0)
                return fail("unknown player in " + quoted(text));
            if (!act(static_cast<std::size_t>(p), w, text))
                return false;
        }
        return true;
    }

    bool readNets()
    {
        if (hasFinishing_) {
            for (std::size_t i = 0; i < n_; ++i)
                hand_.players[i].net = tidy(finishing_[i] - stacks_[i]);
            return true;
        }
        if (!hasWinnings_)
            return true;
        // The part of the top contribution that nobody matched went back.
        std::size_t top = 0;
        for (std::size_t i = 1; i < n_; ++i)
            if (seat_[i].total > seat_[top].total)
                top = i;
        double second = 0;
        for (std::size_t i = 0; i < n_; ++i)
            if (i != top)
                second = std::max(second, seat_[i].total);
        for (std::size_t i = 0; i < n_; ++i) {
            double in = seat_[i].total;
            if (i == top)
                in = second;
            hand_.players[i].net = tidy(winnings_[i] - in);
        }
        return true;
    }

    // A text field, or an integer written as text. These fields only name
    // the hand: one of another type is left out rather than refusing it.
    void text(std::string_view key, std::string& out)
    {
        const toml::node* node = t_.get(key);
        if (!node)
            return;
        if (const auto* s = node->as_string())
            out = s->get();
        else if (const auto* i = node->as_integer())
            appendInt(out, i->get());
    }

    bool integer(std::string_view key, long long lo, long long hi, long long& out)
    {
        const toml::node* node = t_.get(key);
        if (!node)
            return false;
        const auto* i = node->as_integer();
        if (!i || i->get() < lo || i->get() > hi)
            return false;
        out = i->get();
        return true;
    }

    bool readMeta()
    {
        text("venue", hand_.site);
        text("hand", hand_.handNumber);
        text("table", hand_.table);
        text("currency_symbol", hand_.currency);
        text("tournament", hand_.tournament);
        long long seatCount = 0;
        if (integer("seat_count", 2, 1000, seatCount))
            hand_.maxSeats = static_cast<int>(seatCount);

        // "2009-07-01 00:00:09" from year, month, day and time, as far as given.
        long long year = 0, month = 0, day = 0;
        std::string& at = hand_.playedAt;
        if (integer("year", 0, 9999, year) && integer("month", 1, 12, month) && integer("day", 1, 31, day)) {
            appendInt(at, year, 4);
            at += '-';
            appendInt(at, month, 2);
            at += '-';
            appendInt(at, day, 2);
        }
        if (const toml::node* time = t_.get("time")) {
            std::string clock;
            if (const auto* tv = time->as_time()) {
                const toml::time tm = tv->get();
                appendInt(clock, tm.hour, 2);
                clock += ':';
                appendInt(clock, tm.minute, 2);
                clock += ':';
                appendInt(clock, tm.second, 2);
            } else if (const auto* ts = time->as_string()) {
                clock = ts->get();
            }
            if (!clock.empty()) {
                if (!at.empty())
                    at += ' ';
                at += clock;
            }
        }
        return true;
    }

    const toml::table& t_;
    HandHistory& hand_;
    HandResult result_;
    std::size_t n_ = 0;
    std::vector<double> stacks_, blinds_, antes_, winnings_, finishing_;
    bool hasWinnings_ = false;
    bool hasFinishing_ = false;
    std::array<SeatState, kMaxPlayers> seat_{};
    Street street_ = Street::Preflop;
    double highest_ = 0;
    std::uint64_t used_ = 0;
};

void reset(HandHistory& hand)
{
    hand.format = Format::Phh;
    hand.site.clear();
    hand.handNumber.clear();
    hand.tournament.clear();
    hand.table.clear();
    hand.currency.clear();
    hand.playedAt.clear();
    hand.maxSeats = 0;
    hand.smallBlind = hand.bigBlind = hand.ante = 0;
    hand.players.clear();
    hand.actions.clear();
    hand.board.clear();
}

} // namespace

HandResult buildPhhHand(std::string_view toml, HandHistory& hand)
{
    reset(hand);
    try {
        const toml::table table = toml::parse(toml);
        return Builder(table, hand).build();
    } catch (const toml::parse_error& e) {
        HandResult r;
        r.status = HandStatus::Syntax;
        r.line = e.source().begin.line;
        r.reason = "TOML syntax error: ";
        r.reason += e.description();
        return r;
    }
}

bool isSectionHeader(std::string_view line)
{
    std::size_t i = 0;
    const std::size_t n = line.size();
    if (n < 3 || line[0] != '[')
        return false;
    ++i;
    while (i < n && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    const std::size_t digits = i;
    while (i < n && line[i] >= '0' && line[i] <= '9')
        ++i;
    if (i == digits)
        return false;
    while (i < n && (line[i] == ' ' || line[i] == '\t'))
        ++i;
    if (i == n || line[i] != ']')
        return false;
    ++i;
    while (i < n && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
        ++i;
    return i == n || line[i] == '#';
}

const char* problemKind(HandStatus status)
{
    switch (status) {
    case HandStatus::Syntax:
        return "syntax";
    case HandStatus::Variant:
        return "variant";
    case HandStatus::Ok:
    case HandStatus::Incomplete:
        break;
    }
    return "incomplete-data";
}

} // namespace history::phh
