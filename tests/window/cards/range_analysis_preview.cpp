// The range analysis panel alone in a plain window, to look at it by hand:
//   range_analysis_preview HAND BOARD RANGE [DEAD]
// HAND and BOARD may be "-" for none: range_analysis_preview AhKh Qh7s2d "QQ+, AK" 3c

#include <cstdio>
#include <string>

#include <QApplication>
#include <QVBoxLayout>
#include <QWidget>

#include "engine/cards/CardParser.h"
#include "engine/cards/Range.h"
#include "window/cards/RangeAnalysisPanel.h"

namespace {

bool refuse(const std::string& what)
{
    std::fprintf(stderr, "range_analysis_preview: %s\nUsage: range_analysis_preview HAND BOARD RANGE [DEAD]\n",
                 what.c_str());
    return false;
}

bool read(int argc, char** argv, window::cards::RangeAnalysisInput& in)
{
    if (argc < 4 || argc > 5)
        return refuse("three or four arguments are needed");
    const std::string hand = argv[1];
    if (hand != "-") {
        const auto h = engine::cards::parseHoleCards(hand);
        if (!h.ok())
            return refuse("HAND: " + h.error);
        in.hand = h.value;
    }
    const std::string board = argv[2];
    if (board != "-") {
        const auto b = engine::cards::parseCards(board);
        if (!b.ok())
            return refuse("BOARD: " + b.error);
        in.board = b.value;
    }
    const auto range = engine::cards::parseRange(argv[3]);
    if (!range.ok())
        return refuse("RANGE: " + range.error);
    in.range = range.value;
    in.rangeText = argv[3];
    if (argc == 5) {
        const auto dead = engine::cards::parseCards(argv[4]);
        if (!dead.ok())
            return refuse("DEAD: " + dead.error);
        for (const engine::cards::Card c : dead.value)
            in.dead.insert(c);
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    window::cards::RangeAnalysisInput in;
    if (!read(argc, argv, in))
        return 2;
    QApplication app(argc, argv);
    QWidget host;
    host.setWindowTitle(QStringLiteral("Range analysis"));
    host.resize(760, 640);
    auto* layout = new QVBoxLayout(&host);
    auto* panel = new window::cards::RangeAnalysisPanel(&host);
    layout->addWidget(panel);
    panel->setInput(in);
    host.show();
    return QApplication::exec();
}
