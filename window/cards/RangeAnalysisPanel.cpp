#include "window/cards/RangeAnalysisPanel.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include "platform/qt/QtText.h"
#include "window/cards/CardsText.h"

namespace window::cards {

namespace {

using platform::qt::toQString;

constexpr std::array kSplitParts = {engine::board::SplitPart::Made, engine::board::SplitPart::Draw,
                                    engine::board::SplitPart::Category};

QString partTitle(engine::board::SplitPart part)
{
    switch (part) {
    case engine::board::SplitPart::Made: return QObject::tr("Made hands");
    case engine::board::SplitPart::Draw: return QObject::tr("Draws");
    case engine::board::SplitPart::Category: return QObject::tr("Post-flop categories");
    }
    return {};
}

QTableWidget* makeTable(QWidget* parent, const QStringList& titles, const char* name)
{
    auto* table = new QTableWidget(0, static_cast<int>(titles.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QTableWidgetItem* item(const std::string& text, bool number)
{
    auto* cell = new QTableWidgetItem(toQString(text));
    cell->setTextAlignment(number ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return cell;
}

QLabel* makeLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

RangeAnalysisPanel::RangeAnalysisPanel(QWidget* parent) : QTabWidget(parent)
{
    setObjectName(QStringLiteral("rangeAnalysis"));
    addTab(makeBreakdownTab(), tr("Hand classes"));
    addTab(makeSplitTab(), tr("Board"));
    addTab(makeNextCardTab(), tr("Next card"));
    runner_ = std::make_unique<LatestJobRunner>();
    showAll();
}

RangeAnalysisPanel::~RangeAnalysisPanel()
{
    runner_.reset();
}

QWidget* RangeAnalysisPanel::makeBreakdownTab()
{
    auto* tab = new QWidget(this);
    breakdownStatus_ = makeLabel(tab, "breakdownStatus");
    QStringList titles;
    for (int c = 0; c < kBreakdownColumnCount; ++c)
        titles << toQString(columnTitle(static_cast<BreakdownColumn>(c)));
    breakdownTable_ = makeTable(tab, titles, "breakdownTable");
    QHeaderView* header = breakdownTable_->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        if (column < 0 || column >= kBreakdownColumnCount)
            return;
        model_.clickBreakdownHeader(static_cast<BreakdownColumn>(column));
        showBreakdown();
    });
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(breakdownStatus_);
    layout->addWidget(breakdownTable_, 1);
    return tab;
}

QWidget* RangeAnalysisPanel::makeSplitTab()
{
    auto* tab = new QWidget(this);
    splitStatus_ = makeLabel(tab, "splitStatus");
    splitTable_ = makeTable(tab, {tr("Part"), tr("Hand"), tr("Combos"), tr("Weight"), tr("Share")}, "splitTable");
    splitPart_ = new QComboBox(tab);
    splitPart_->setObjectName(QStringLiteral("splitPart"));
    for (engine::board::SplitPart part : kSplitParts)
        splitPart_->addItem(partTitle(part));
    connect(splitPart_, &QComboBox::currentIndexChanged, this, [this] { showSplitChart(); });

    splitChart_ = new QChart;
    splitChart_->legend()->setVisible(false);
    splitSeries_ = new QHorizontalBarSeries;
    splitSeries_->append(new QBarSet(tr("Share of the range")));
    splitChart_->addSeries(splitSeries_);
    splitNames_ = new QBarCategoryAxis;
    splitNames_->setTruncateLabels(false);
    splitChart_->addAxis(splitNames_, Qt::AlignLeft);
    splitSeries_->attachAxis(splitNames_);
    auto* share = new QValueAxis;
    share->setRange(0, 100);
    share->setLabelFormat(QStringLiteral("%d%%"));
    splitChart_->addAxis(share, Qt::AlignBottom);
    splitSeries_->attachAxis(share);
    auto* view = new QChartView(splitChart_, tab);
    view->setObjectName(QStringLiteral("splitChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(220);

    auto* chartRow = new QHBoxLayout;
    chartRow->addWidget(new QLabel(tr("Chart of:"), tab));
    chartRow->addWidget(splitPart_);
    chartRow->addStretch();
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(splitStatus_);
    layout->addWidget(splitTable_, 1);
    layout->addLayout(chartRow);
    layout->addWidget(view, 1);
    return tab;
}

QWidget* RangeAnalysisPanel::makeNextCardTab()
{
    auto* tab = new QWidget(this);
    nextStatus_ = makeLabel(tab, "nextCardStatus");
    pointer_ = makeLabel(tab, "nextCardPointer");

    nextChart_ = new QChart;
    nextChart_->legend()->setVisible(false);
    nextPoints_ = new QScatterSeries;
    nextPoints_->setName(tr("Equity after the card"));
    nextPoints_->setMarkerSize(8);
    nextAverage_ = new QLineSeries;
    nextAverage_->setName(tr("Equity now"));
    nextChart_->addSeries(nextAverage_);
    nextChart_->addSeries(nextPoints_);
    // The deck in its order, a suit at a time.
    auto* deck = new QCategoryAxis;
    deck->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    const QStringList suits = {tr("spades"), tr("hearts"), tr("diamonds"), tr("clubs")};
    for (int s = 0; s < engine::cards::kSuitCount; ++s)
        deck->append(suits[s], (s + 1) * engine::cards::kRankCount - 0.5);
    deck->setStartValue(-0.5);
    deck->setRange(-0.5, engine::cards::kCardCount - 0.5);
    nextChart_->addAxis(deck, Qt::AlignBottom);
    nextPoints_->attachAxis(deck);
    nextAverage_->attachAxis(deck);
    nextEquityAxis_ = new QValueAxis;
    nextEquityAxis_->setRange(0, 100);
    nextEquityAxis_->setLabelFormat(QStringLiteral("%d%%"));
    nextChart_->addAxis(nextEquityAxis_, Qt::AlignLeft);
    nextPoints_->attachAxis(nextEquityAxis_);
    nextAverage_->attachAxis(nextEquityAxis_);
    connect(nextPoints_, &QScatterSeries::hovered, this,
            [this](const QPointF& point, bool over) { showPointer(point, over); });
    auto* view = new QChartView(nextChart_, tab);
    view->setObjectName(QStringLiteral("nextCardChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumHeight(200);

    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(nextStatus_);
    layout->addWidget(view, 1);
    layout->addWidget(pointer_);
    return tab;
}

void RangeAnalysisPanel::setInput(const RangeAnalysisInput& input)
{
    if (model_.setInput(input))
        startCounting();
    showAll(); // on the same counts too: the range's text may read differently
}

void RangeAnalysisPanel::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    startCounting();
}

// Starts counting the parts of the input still counting, or stops the count
// under way when there are none or the panel is folded away.
void RangeAnalysisPanel::startCounting()
{
    bool any = false;
    for (AnalysisPart part : {AnalysisPart::Breakdown, AnalysisPart::Split, AnalysisPart::NextCard})
        any = any || model_.state(part) == PartState::Counting;
    if (!any || !active_) {
        runner_->cancel();
        return;
    }
    // Results come on the worker's thread and are shown on this one.
    model_.setRun(runner_->start([this, input = model_.input()](std::uint64_t run, std::stop_token stop) {
        runRangeAnalysis(input, run, stop, [this](RangeAnalysisUpdate update) {
            QMetaObject::invokeMethod(
                this, [this, update = std::move(update)] { receive(update); }, Qt::QueuedConnection);
        });
    }));
}

void RangeAnalysisPanel::receive(const RangeAnalysisUpdate& update)
{
    if (!model_.receive(update))
        return;
    switch (update.part) {
    case AnalysisPart::Breakdown:
        showBreakdown();
        break;
    case AnalysisPart::Split:
        showSplit();
        break;
    case AnalysisPart::NextCard:
        showNextCard();
        break;
    }
    emit updated();
}

void RangeAnalysisPanel::showAll()
{
    showBreakdown();
    showSplit();
    showNextCard();
}

void RangeAnalysisPanel::showBreakdown()
{
    const bool done = model_.state(AnalysisPart::Breakdown) == PartState::Done;
    breakdownStatus_->setText(toQString(done ? model_.breakdownSummary() : model_.message(AnalysisPart::Breakdown)));
    const auto& rows = model_.breakdownRows();
    breakdownTable_->setRowCount(static_cast<int>(rows.size()));
    // A class that beats the hand more often than not is tinted.
    const QColor beaten = palette().color(QPalette::Base).lightness() > 128 ? QColor(255, 228, 225)
                                                                            : QColor(96, 40, 40);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const engine::board::ClassEquity& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < kBreakdownColumnCount; ++c) {
            const auto column = static_cast<BreakdownColumn>(c);
            auto* cell = item(cellText(row, column), column != BreakdownColumn::Class);
            if (row.equity < 0.5)
                cell->setBackground(beaten);
            if (row.standardError > 0.0 && column == BreakdownColumn::Equity)
                cell->setToolTip(tr("\u00b1 %1 (standard error of the random deals)")
                                     .arg(toQString(percentText(row.standardError))));
            breakdownTable_->setItem(r, c, cell);
        }
    }
    // Every column in sight where the window is narrow.
    breakdownTable_->resizeColumnsToContents();
    const QSignalBlocker blocker(breakdownTable_->horizontalHeader());
    breakdownTable_->horizontalHeader()->setSortIndicator(
        static_cast<int>(model_.sortColumn()),
        model_.sortOrder() == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void RangeAnalysisPanel::showSplit()
{
    const bool done = model_.state(AnalysisPart::Split) == PartState::Done;
    splitStatus_->setText(toQString(done ? model_.splitSummary() : model_.message(AnalysisPart::Split)));
    // The table lists what the range holds; the chart shows a whole part.
    std::vector<engine::board::SplitLine> lines = model_.splitLines();
    std::erase_if(lines, [](const engine::board::SplitLine& line) { return line.count.combos == 0; });
    splitTable_->setRowCount(static_cast<int>(lines.size()));
    const platform::Money& money = platform::Money::process();
    for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
        const engine::board::SplitLine& line = lines[static_cast<std::size_t>(r)];
        splitTable_->setItem(r, 0, new QTableWidgetItem(partTitle(line.part)));
        splitTable_->setItem(r, 1, item(line.name, false));
        splitTable_->setItem(r, 2, item(std::to_string(line.count.combos), true));
        splitTable_->setItem(r, 3, item(countText(line.count.weight, money), true));
        splitTable_->setItem(r, 4, item(percentText(model_.split()->share(line.count), money), true));
    }
    splitTable_->resizeColumnsToContents();
    showSplitChart();
}

void RangeAnalysisPanel::showSplitChart()
{
    const auto part = kSplitParts[static_cast<std::size_t>(std::max(0, splitPart_->currentIndex()))];
    QBarSet* shares = splitSeries_->barSets().front();
    shares->remove(0, shares->count());
    QStringList names;
    // Horizontal bars stack from the bottom: the list is reversed so that it
    // reads from the top as the table does.
    const std::vector<engine::board::SplitLine> lines = model_.splitLines(part);
    for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
        names << toQString(line->name);
        shares->append(model_.split()->share(line->count) * 100.0);
    }
    splitNames_->clear();
    splitNames_->append(names);
    const bool river = model_.input().board.size() == 5 && part == engine::board::SplitPart::Draw;
    splitChart_->setTitle(lines.empty() ? QString()
                                        : partTitle(part) + (river ? tr(" (none on the river)") : QString()));
}

void RangeAnalysisPanel::showNextCard()
{
    const bool done = model_.state(AnalysisPart::NextCard) == PartState::Done;
    nextStatus_->setText(toQString(done ? model_.nextCardSummary() : model_.message(AnalysisPart::NextCard)));
    QList<QPointF> points;
    for (const NextCardPoint& p : model_.nextCardPoints())
        points.append(QPointF(p.x, p.equity * 100.0));
    nextPoints_->replace(points);
    QList<QPointF> average;
    if (const auto& next = model_.nextCard(); next && done) {
        average = {QPointF(-0.5, next->equity * 100.0), QPointF(engine::cards::kCardCount - 0.5, next->equity * 100.0)};
    }
    nextAverage_->replace(average);
    pointer_->setText(points.isEmpty() ? QString() : tr("Point at a card to see its equity."));
}

void RangeAnalysisPanel::showPointer(const QPointF& point, bool over)
{
    const auto card = over ? model_.nextCardNear(point.x()) : std::nullopt;
    pointer_->setText(card ? toQString(RangeAnalysisModel::nextCardText(*card))
                           : tr("Point at a card to see its equity."));
}

} // namespace window::cards
