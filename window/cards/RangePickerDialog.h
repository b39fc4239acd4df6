#pragma once
// Picks a range on the 13x13 grid: click and drag cells, the strongest hands
// by a percentage, a weight for the cells just clicked, the advisor's chart
// for a situation, or the range typed as text. The text and the grid follow
// each other; an unreadable text says why and keeps the grid, and OK waits
// until the text reads.

#include <QDialog>

#include "window/cards/RangePickerModel.h"

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;

namespace window::cards {

class RangeGridView;

class RangePickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit RangePickerDialog(QWidget* parent = nullptr);

    // The situation the chart choosers start from (the main window's, say).
    void setChartSituation(const engine::ChartSituation& situation);

    const RangePickerModel& model() const { return model_; }
    engine::cards::Range range() const { return model_.range(); }
    void setRange(const engine::cards::Range& range);

private:
    // Shows the model in every control, with their signals blocked.
    void render();
    void chartChosen();
    void setPercent(double percent);

    RangePickerModel model_;
    RangeGridView* grid_;
    QSlider* percentSlider_;
    QDoubleSpinBox* percentBox_;
    QDoubleSpinBox* weightBox_;
    QComboBox* chartAction_;
    QComboBox* chartPosition_;
    QSpinBox* chartLimpers_;
    QComboBox* chartClass_;
    QLineEdit* text_;
    QLabel* error_;
    QLabel* count_;
    QDialogButtonBox* buttons_;
};

} // namespace window::cards
