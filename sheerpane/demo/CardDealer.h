#pragma once
// The cards the demo's table shows: two at a time from a shuffled deck,
// shuffled again when it runs out. The same order every run, so that a
// picture of a deal can be compared with another.

#include <QColor>
#include <QString>
#include <random>
#include <utility>
#include <vector>

namespace sheerpanedemo {

struct Card {
    QString face; // rank and suit sign, "A♠"
    QColor ink;
};

class CardDealer {
public:
    CardDealer();
    std::pair<Card, Card> deal();

private:
    void shuffle();

    std::vector<Card> deck_;
    std::size_t next_ = 0;
    std::mt19937 random_{20240601};
};

} // namespace sheerpanedemo
