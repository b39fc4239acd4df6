#pragma once
// What the range picker shows, without its widgets: the grid, the range text
// kept in step with it both ways, and the chart situation its chart fill
// uses. Editing the grid rewrites the text; typing a readable text fills the
// grid, and an unreadable one leaves the grid as it was and says why.

#include <string>
#include <string_view>
#include <utility>

#include "engine/Chart.h"
#include "window/cards/RangeGridModel.h"

namespace window::cards {

class RangePickerModel {
public:
    const RangeGridModel& grid() const { return grid_; }
    // Runs an edit of the grid, then writes the text from it.
    template <typename Edit>
    void editGrid(Edit&& edit)
    {
        std::forward<Edit>(edit)(grid_);
        writeText();
    }

    // Moves the keyboard's cell and ends a drag: neither changes the range,
    // so the text stays as it is.
    void moveFocus(int rows, int columns) { grid_.moveFocus(rows, columns); }
    void endDrag() { grid_.release(); }

    // The text as typed, or as written after a grid edit.
    const std::string& text() const { return text_; }
    // Why the typed text is not a range; empty when it is one.
    const std::string& error() const { return error_; }
    // A typed text: blank empties the grid, a range fills it.
    void typeText(std::string_view text);

    const engine::ChartSituation& chartSituation() const { return chartSituation_; }
    void setChartSituation(const engine::ChartSituation& situation) { chartSituation_ = situation; }
    engine::BetClass chartBetClass() const { return chartBetClass_; }
    void setChartBetClass(engine::BetClass c) { chartBetClass_ = c; }
    // The grid becomes the chart's hands of the chosen bet class.
    void fillFromChart();

    engine::cards::Range range() const { return grid_.toRange(); }
    void setRange(const engine::cards::Range& range);

private:
    void writeText();

    RangeGridModel grid_;
    std::string text_;
    std::string error_;
    engine::ChartSituation chartSituation_;
    engine::BetClass chartBetClass_ = engine::BetClass::Raise;
};

} // namespace window::cards
