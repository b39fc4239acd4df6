#pragma once
// The range analysis on screen: a tab of the hand classes (sortable by a
// click on a column's header), a tab of the board with the range's split as
// a table and a bar chart, and a tab of the equity by the next card as a plot
// that names the card under the pointer. The counts run on a worker thread;
// a newer input abandons an older count, so setting the input never waits.

#include <memory>

#include <QTabWidget>

#include "window/cards/LatestJobRunner.h"
#include "window/cards/RangeAnalysisModel.h"

class QBarCategoryAxis;
class QChart;
class QComboBox;
class QHorizontalBarSeries;
class QLabel;
class QLineSeries;
class QScatterSeries;
class QTableWidget;
class QValueAxis;

namespace window::cards {

class RangeAnalysisPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit RangeAnalysisPanel(QWidget* parent = nullptr);
    ~RangeAnalysisPanel() override;

    void setInput(const RangeAnalysisInput& input);
    // Folded away the panel counts nothing; opened again it counts what its
    // input still lacks.
    void setActive(bool active);
    bool active() const { return active_; }
    const RangeAnalysisModel& model() const { return model_; }

signals:
    // After each result or progress the panel has shown.
    void updated();

private:
    QWidget* makeBreakdownTab();
    QWidget* makeSplitTab();
    QWidget* makeNextCardTab();
    void startCounting();
    void receive(const RangeAnalysisUpdate& update);
    void showAll();
    void showBreakdown();
    void showSplit();
    void showSplitChart();
    void showNextCard();
    void showPointer(const QPointF& point, bool over);

    RangeAnalysisModel model_;
    bool active_ = true;

    QLabel* breakdownStatus_ = nullptr;
    QTableWidget* breakdownTable_ = nullptr;

    QLabel* splitStatus_ = nullptr;
    QTableWidget* splitTable_ = nullptr;
    QComboBox* splitPart_ = nullptr;
    QChart* splitChart_ = nullptr;
    QHorizontalBarSeries* splitSeries_ = nullptr;
    QBarCategoryAxis* splitNames_ = nullptr;

    QLabel* nextStatus_ = nullptr;
    QLabel* pointer_ = nullptr;
    QChart* nextChart_ = nullptr;
    QScatterSeries* nextPoints_ = nullptr;
    QLineSeries* nextAverage_ = nullptr;
    QValueAxis* nextEquityAxis_ = nullptr;

    // Last: made once the widgets it reports to are, stopped first.
    std::unique_ptr<LatestJobRunner> runner_;
};

} // namespace window::cards
