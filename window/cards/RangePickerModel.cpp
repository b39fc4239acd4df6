#include "window/cards/RangePickerModel.h"

#include "engine/cards/RangeText.h"

namespace window::cards {

void RangePickerModel::typeText(std::string_view text)
{
    text_ = std::string(text);
    if (text.find_first_not_of(" ,\t") == std::string_view::npos) {
        error_.clear();
        grid_.clear();
        return;
    }
    const auto parsed = engine::cards::parseRange(text);
    if (!parsed.ok()) {
        error_ = parsed.error;
        return;
    }
    error_.clear();
    grid_.setRange(parsed.value);
}

void RangePickerModel::fillFromChart()
{
    editGrid([this](RangeGridModel& g) { g.fillFromChart(chartSituation_, chartBetClass_); });
}

void RangePickerModel::setRange(const engine::cards::Range& range)
{
    editGrid([&](RangeGridModel& g) { g.setRange(range); });
}

void RangePickerModel::writeText()
{
    text_ = engine::cards::rangeText(grid_.toRange());
    error_.clear();
}

} // namespace window::cards
