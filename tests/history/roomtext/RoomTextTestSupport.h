#pragma once
// What the room text tests share: a sink that keeps what it is given, the
// test files, the encodings a file can come in, and a hand written out as one
// line of text so that whole hands compare at once.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "history/readers/HandReader.h"
#include "tests/support/TestFiles.h"

namespace roomtexttest {

struct SunkHand {
    history::HandHistory hand;
    std::string text;
    std::uint64_t endOffset = 0;
};

struct SunkProblem {
    history::ReadProblem problem;
    std::uint64_t endOffset = 0;
};

class KeepingSink : public history::HandSink {
public:
    void hand(const history::HandHistory& hand, std::string_view text, std::uint64_t endOffset) override
    {
        hands.push_back({hand, std::string(text), endOffset});
    }
    void problem(const history::ReadProblem& problem, std::uint64_t endOffset) override
    {
        problems.push_back({problem, endOffset});
    }

    std::vector<SunkHand> hands;
    std::vector<SunkProblem> problems;
};

inline std::filesystem::path dataFile(std::string_view name) { return std::filesystem::path(ROOMTEXT_TEST_DATA) / name; }

inline std::string dataText(std::string_view name) { return testsupport::readFile(dataFile(name)); }

// Every test file of whole hands, one after another.
inline std::string allGoodHands()
{
    return dataText("cash_session.txt") + dataText("tournament.txt") + dataText("heads_up.txt") +
           dataText("straddle_names.txt");
}

inline std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// "0SB0.5>0.5 1BB1>1 2F / 1X ...": player index, kind, what was added, the
// bet it went to, "!" for all-in; streets apart by "/".
inline std::string actionsText(const history::HandHistory& hand)
{
    using history::ActionKind;
    std::string out;
    history::Street street = history::Street::Preflop;
    for (const history::Action& a : hand.actions) {
        if (!out.empty())
            out += a.street != street ? " / " : " ";
        street = a.street;
        out += std::to_string(a.player);
        switch (a.kind) {
        case ActionKind::Ante: out += "A"; break;
        case ActionKind::SmallBlind: out += "SB"; break;
        case ActionKind::BigBlind: out += "BB"; break;
        case ActionKind::Straddle: out += "ST"; break;
        case ActionKind::DeadBlind: out += "DB"; break;
        case ActionKind::Fold: out += "F"; break;
        case ActionKind::Check: out += "X"; break;
        case ActionKind::Call: out += "C"; break;
        case ActionKind::Bet: out += "B"; break;
        case ActionKind::Raise: out += "R"; break;
        }
        if (a.kind != ActionKind::Fold && a.kind != ActionKind::Check)
            out += number(a.added) + ">" + number(a.to);
        if (a.allIn)
            out += "!";
    }
    return out;
}

// Everything about a hand in one line, for comparing two readings of it.
inline std::string handText(const history::HandHistory& hand)
{
    std::string out = hand.handNumber + " " + hand.tournament + " '" + hand.table + "' " + hand.currency + " " +
                      number(hand.smallBlind) + "/" + number(hand.bigBlind) + "/" + number(hand.ante) + " " +
                      hand.playedAt + " |";
    for (const history::Player& p : hand.players) {
        out += " " + p.name + "#" + std::to_string(p.seat) + "$" + number(p.stack);
        if (p.cards)
            out += "[" + p.cards->text() + "]";
        if (p.net)
            out += "=" + number(*p.net);
    }
    out += " | ";
    for (const auto& c : hand.board)
        out += c.text();
    return out + " | " + actionsText(hand);
}

enum class Encoding { Utf8, Utf8Bom, Utf8Crlf, Utf16Le, Utf16LeCrlf };

inline std::string withCrlf(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// UTF-16 LE with its byte-order mark, from UTF-8 (surrogate pairs beyond U+FFFF).
inline std::string toUtf16Le(std::string_view utf8)
{
    std::string out = "\xFF\xFE";
    const auto put = [&out](unsigned unit) {
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    };
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        unsigned cp = b;
        std::size_t n = 1;
        if (b >= 0xF0) {
            cp = b & 0x07u;
            n = 4;
        } else if (b >= 0xE0) {
            cp = b & 0x0Fu;
            n = 3;
        } else if (b >= 0xC0) {
            cp = b & 0x1Fu;
            n = 2;
        }
        for (std::size_t k = 1; k < n && i + k < utf8.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3Fu);
        i += n;
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

inline std::string encoded(std::string_view utf8, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8: return std::string(utf8);
    case Encoding::Utf8Bom: return "\xEF\xBB\xBF" + std::string(utf8);
    case Encoding::Utf8Crlf: return withCrlf(utf8);
    case Encoding::Utf16Le: return toUtf16Le(utf8);
    case Encoding::Utf16LeCrlf: return toUtf16Le(withCrlf(utf8));
    }
    return {};
}

// A file of the test's own in a fresh temporary folder.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view name)
        : path_(std::filesystem::temp_directory_path() /
                ("tablewise-roomtext-" + std::to_string(::getpid()) + "-" +
                 std::to_string(counter()++)) /
                name)
    {
        std::filesystem::create_directories(path_.parent_path());
    }
    ~ScratchFile() { std::filesystem::remove_all(path_.parent_path()); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::filesystem::path& path() const { return path_; }
    void write(const std::string& bytes) const { testsupport::writeFile(path_, bytes); }

private:
    static int& counter()
    {
        static int n = 0;
        return n;
    }
    std::filesystem::path path_;
};

} // namespace roomtexttest
