#include "engine/cards/RangeText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <tuple>
#include <vector>

#include "engine/cards/HandClass.h"

namespace engine::cards {

namespace {

enum class Shape { Suited, Any, Offsuit }; // the order items of one class are written in

struct Item {
    std::string text;
    // Where it is written: pairs first, then by the highest class it holds,
    // higher first; whole classes before single combinations.
    bool notPair = false;
    int high = 0;
    int low = 0;
    Shape shape = Shape::Any;
    int combo = -1;

    auto key() const { return std::tuple(notPair, -high, -low, shape, combo); }
};

std::string weightText(double weight)
{
    if (weight == 1.0)
        return {};
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), weight, std::chars_format::fixed).ptr;
    return ":" + std::string(buffer.data(), end);
}

std::string classText(int high, int low, Shape shape)
{
    std::string text{kRankChars[high], kRankChars[low]};
    if (shape == Shape::Suited)
        text += 's';
    else if (shape == Shape::Offsuit)
        text += 'o';
    return text;
}

int gridIndex(int high, int low, Shape shape)
{
    const int hi = kAce - high;
    const int lo = kAce - low;
    return shape == Shape::Suited ? hi * 13 + lo : lo * 13 + hi;
}

// A class's weight when the range holds all its combinations alike; else 0.
double wholeWeight(const Range& range, int handClass)
{
    double weight = 0;
    for (const HoleCards combo : combosOfClass(handClass)) {
        const double w = range.weight(combo);
        if (w == 0 || (weight != 0 && w != weight))
            return 0;
        weight = w;
    }
    return weight;
}

// A run of classes of one shape and weight: kickers `low` down to `lowEnd`
// of one high card, or pairs.
struct Run {
    int high;
    int lowTop;
    int lowEnd;
    double weight;
};

// The maximal runs of equal nonzero weights in `weights`, from index `top` down.
std::vector<std::pair<int, int>> runs(const std::vector<double>& weights, int top)
{
    std::vector<std::pair<int, int>> found;
    for (int i = top; i >= 0;) {
        if (weights[static_cast<std::size_t>(i)] == 0) {
            --i;
            continue;
        }
        int j = i;
        while (j > 0 && weights[static_cast<std::size_t>(j - 1)] == weights[static_cast<std::size_t>(i)])
            --j;
        found.emplace_back(i, j);
        i = j - 1;
    }
    return found;
}

} // namespace

std::string rangeText(const Range& range)
{
    if (range.empty())
        return {};
    std::array<double, kHandCount> whole{};
    for (int c = 0; c < kHandCount; ++c)
        whole[static_cast<std::size_t>(c)] = wholeWeight(range, c);
    if (std::all_of(whole.begin(), whole.end(), [&](double w) { return w != 0 && w == whole[0]; }))
        return "random" + weightText(whole[0]);

    std::vector<Item> items;
    // Pairs.
    std::vector<double> pairs(kRankCount);
    for (int r = 0; r < kRankCount; ++r)
        pairs[static_cast<std::size_t>(r)] = whole[static_cast<std::size_t>(gridIndex(r, r, Shape::Any))];
    for (const auto& [top, end] : runs(pairs, kAce)) {
        const std::string w = weightText(pairs[static_cast<std::size_t>(top)]);
        const std::string end2 = classText(end, end, Shape::Any);
        std::string text;
        if (top == end)
            text = end2;
        else if (top == kAce)
            text = end2 + "+";
        else
            text = classText(top, top, Shape::Any) + "-" + end2;
        items.push_back({text + w, false, top, top, Shape::Any});
    }

    // Other hands, row by row: runs of kickers of each shape, suited and
    // offsuit runs that match merged. A run of one waits for the gap pass.
    // Lone classes by (shape, gap, weight), then high card.
    std::map<std::tuple<Shape, int, double>, std::vector<int>> lone;
    for (int high = kAce; high > 0; --high) {
        std::map<std::tuple<int, int, double>, Shape> found; // (top, end, weight) -> shape
        for (const Shape shape : {Shape::Suited, Shape::Offsuit}) {
            std::vector<double> kickers(static_cast<std::size_t>(high));
            for (int low = 0; low < high; ++low)
                kickers[static_cast<std::size_t>(low)] = whole[static_cast<std::size_t>(gridIndex(high, low, shape))];
            for (const auto& [top, end] : runs(kickers, high - 1)) {
                const auto key = std::tuple(top, end, kickers[static_cast<std::size_t>(top)]);
                const auto [at, added] = found.emplace(key, shape);
                if (!added)
                    at->second = Shape::Any;
            }
        }
        for (const auto& [key, shape] : found) {
            const auto& [top, end, weight] = key;
            if (top == end) {
                lone[{shape, high - top, weight}].push_back(high);
                continue;
            }
            const std::string text = top == high - 1
                ? classText(high, end, shape) + "+"
                : classText(high, top, shape) + "-" + classText(high, end, shape);
            items.push_back({text + weightText(weight), true, high, top, shape});
        }
    }
    // Lone classes of one shape, gap and weight in consecutive rows: "T9s+"
    // for connectors up to the ace, a span along the gap otherwise.
    for (auto& [key, highs] : lone) {
        const auto& [shape, gap, weight] = key;
        std::sort(highs.begin(), highs.end(), std::greater<>());
        for (std::size_t i = 0; i < highs.size();) {
            std::size_t j = i;
            while (j + 1 < highs.size() && highs[j + 1] == highs[j] - 1)
                ++j;
            const int top = highs[i];
            const int bottom = highs[j];
            std::string text;
            if (top == bottom)
                text = classText(top, top - gap, shape);
            else if (gap == 1 && top == kAce)
                text = classText(bottom, bottom - gap, shape) + "+";
            else
                text = classText(top, top - gap, shape) + "-" + classText(bottom, bottom - gap, shape);
            items.push_back({text + weightText(weight), true, top, top - gap, shape});
            i = j + 1;
        }
    }

    // Classes held in part, or unevenly: their combinations one by one.
    for (std::size_t i = 0; i < range.combos().size(); ++i) {
        const HoleCards combo = range.combos()[i];
        if (whole[static_cast<std::size_t>(handClassOf(combo))] != 0)
            continue;
        const bool pair = combo.high.rank() == combo.low.rank();
        const Shape shape = pair ? Shape::Any : combo.high.suit() == combo.low.suit() ? Shape::Suited : Shape::Offsuit;
        items.push_back({combo.text() + weightText(range.weights()[i]), !pair, combo.high.rank(), combo.low.rank(), shape,
                         combo.high.index() * kCardCount + combo.low.index()});
    }

    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.key() < b.key(); });
    std::string text;
    for (const Item& item : items) {
        if (!text.empty())
            text += ", ";
        text += item.text;
    }
    return text;
}

} // namespace engine::cards
