#include "window/cards/RangePickerDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "platform/qt/QtText.h"
#include "platform/qt/SystemPalette.h"
#include "window/cards/RangeGridView.h"
#include "window/review/ReviewStorePath.h"

namespace window::cards {

namespace {

using platform::qt::toQString;
using platform::qt::toUtf8;

constexpr std::array kBetClasses = {engine::BetClass::Raise, engine::BetClass::Call, engine::BetClass::Fold,
                                    engine::BetClass::Advice};
// The slider counts tenths of a percent.
constexpr int kSliderSteps = 1000;

} // namespace

RangePickerDialog::RangePickerDialog(QWidget* parent) : RangePickerDialog(review::reviewStorePath(), parent) {}

RangePickerDialog::~RangePickerDialog() = default;

RangePickerDialog::RangePickerDialog(const std::filesystem::path& storePath, QWidget* parent)
    : QDialog(parent), library_(std::make_unique<RangeLibraryModel>(storePath))
{
    setWindowTitle(tr("Pick a Range - Brisvane Tablewise"));
    // The chart window's green, with white labels.
    QPalette green = palette();
    green.setColor(QPalette::Window, QColor(5, 124, 19));
    green.setColor(QPalette::WindowText, Qt::white);
    setPalette(green);
    setAutoFillBackground(true);

    grid_ = new RangeGridView(model_, this);

    percentSlider_ = new QSlider(Qt::Horizontal, this);
    percentSlider_->setObjectName("percentSlider");
    percentSlider_->setRange(0, kSliderSteps);
    percentSlider_->setPageStep(50);
    percentBox_ = new QDoubleSpinBox(this);
    percentBox_->setObjectName("percentBox");
    percentBox_->setRange(0, 100);
    percentBox_->setDecimals(1);
    percentBox_->setSingleStep(0.5);
    percentBox_->setSuffix(QStringLiteral(" %"));
    auto* percentRow = new QHBoxLayout;
    percentRow->addWidget(percentSlider_, 1);
    percentRow->addWidget(percentBox_);
    auto* percentGroup = new QGroupBox(tr("Strongest hands"), this);
    percentGroup->setLayout(percentRow);

    weightBox_ = new QDoubleSpinBox(this);
    weightBox_->setObjectName("weightBox");
    weightBox_->setRange(0.01, 1.0);
    weightBox_->setDecimals(2);
    weightBox_->setSingleStep(0.05);
    weightBox_->setToolTip(tr("The share of the time the range holds the cells you click"));
    auto* weightLabel = new QLabel(tr("&Weight of clicked cells"), this);
    weightLabel->setBuddy(weightBox_);
    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(weightLabel);
    weightRow->addWidget(weightBox_);

    chartAction_ = new QComboBox(this);
    chartAction_->setObjectName("chartAction");
    for (engine::PreflopAction a : engine::kPreflopActions)
        chartAction_->addItem(toQString(engine::actionName(a)));
    chartPosition_ = new QComboBox(this);
    chartPosition_->setObjectName("chartPosition");
    for (engine::Position p : engine::kPositions)
        chartPosition_->addItem(toQString(engine::positionName(p)));
    chartLimpers_ = new QSpinBox(this);
    chartLimpers_->setObjectName("chartLimpers");
    chartLimpers_->setRange(1, 9);
    chartClass_ = new QComboBox(this);
    chartClass_->setObjectName("chartClass");
    for (engine::BetClass c : kBetClasses)
        chartClass_->addItem(toQString(engine::betClassName(c)));
    auto* chartFill = new QPushButton(tr("Fill from &chart"), this);
    chartFill->setObjectName("chartFill");
    auto* chartForm = new QFormLayout;
    chartForm->addRow(tr("&Action"), chartAction_);
    chartForm->addRow(tr("&Position"), chartPosition_);
    chartForm->addRow(tr("&Limpers"), chartLimpers_);
    chartForm->addRow(tr("&Hands to"), chartClass_);
    chartForm->addRow(chartFill);
    auto* chartGroup = new QGroupBox(tr("Chart"), this);
    chartGroup->setLayout(chartForm);

    auto* clear = new QPushButton(tr("C&lear"), this);
    clear->setObjectName("clearButton");
    auto* all = new QPushButton(tr("All &hands"), this);
    all->setObjectName("allButton");
    auto* editRow = new QHBoxLayout;
    editRow->addWidget(clear);
    editRow->addWidget(all);

    auto* side = new QVBoxLayout;
    side->addWidget(percentGroup);
    side->addLayout(weightRow);
    side->addWidget(chartGroup);
    side->addLayout(editRow);
    side->addStretch();
    count_ = new QLabel(this);
    count_->setObjectName("comboCount");
    side->addWidget(count_);

    auto* top = new QHBoxLayout;
    top->addWidget(grid_, 0, Qt::AlignTop);
    top->addLayout(side);

    text_ = new QLineEdit(this);
    text_->setObjectName("rangeText");
    auto* textLabel = new QLabel(tr("&Range"), this);
    textLabel->setBuddy(text_);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(textLabel);
    textRow->addWidget(text_, 1);
    error_ = new QLabel(this);
    error_->setObjectName("rangeError");

    libraryList_ = new QComboBox(this);
    libraryList_->setObjectName("libraryList");
    libraryList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    libraryList_->setMinimumContentsLength(28);
    loadButton_ = new QPushButton(tr("L&oad"), this);
    loadButton_->setObjectName("libraryLoad");
    saveButton_ = new QPushButton(tr("&Save as..."), this);
    saveButton_->setObjectName("librarySave");
    renameButton_ = new QPushButton(tr("Re&name..."), this);
    renameButton_->setObjectName("libraryRename");
    deleteButton_ = new QPushButton(tr("&Delete"), this);
    deleteButton_->setObjectName("libraryDelete");
    libraryMessage_ = new QLabel(this);
    libraryMessage_->setObjectName("libraryMessage");
    libraryMessage_->setWordWrap(true);
    auto* libraryRow = new QHBoxLayout;
    libraryRow->addWidget(libraryList_, 1);
    libraryRow->addWidget(loadButton_);
    libraryRow->addWidget(saveButton_);
    libraryRow->addWidget(renameButton_);
    libraryRow->addWidget(deleteButton_);
    auto* libraryColumn = new QVBoxLayout;
    libraryColumn->addLayout(libraryRow);
    libraryColumn->addWidget(libraryMessage_);
    auto* libraryGroup = new QGroupBox(tr("Library"), this);
    libraryGroup->setLayout(libraryColumn);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(textRow);
    layout->addWidget(error_);
    layout->addWidget(libraryGroup);
    layout->addWidget(buttons_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The desktop's colours inside the controls, as the chart window's
    // limper box has them: the window's white text would not show on them.
    for (QWidget* w : std::initializer_list<QWidget*>{percentBox_, weightBox_, chartAction_, chartPosition_,
                                                      chartLimpers_, chartClass_, chartFill, clear, all, text_, libraryList_,
                                                      loadButton_, saveButton_, renameButton_, deleteButton_})
        w->setPalette(platform::qt::systemPalette());
    for (QPushButton* b : buttons_->findChildren<QPushButton*>())
        b->setPalette(platform::qt::systemPalette());

    connect(grid_, &RangeGridView::edited, this, &RangePickerDialog::render);
    connect(percentSlider_, &QSlider::valueChanged, this,
            [this](int value) { setPercent(static_cast<double>(value) * 100 / kSliderSteps); });
    connect(percentBox_, &QDoubleSpinBox::valueChanged, this, &RangePickerDialog::setPercent);
    connect(weightBox_, &QDoubleSpinBox::valueChanged, this, [this](double weight) {
        model_.editGrid([weight](RangeGridModel& g) { g.setWeight(weight); });
        render();
    });
    connect(chartAction_, &QComboBox::currentIndexChanged, this, &RangePickerDialog::chartChosen);
    connect(chartPosition_, &QComboBox::currentIndexChanged, this, &RangePickerDialog::chartChosen);
    connect(chartLimpers_, &QSpinBox::valueChanged, this, &RangePickerDialog::chartChosen);
    connect(chartClass_, &QComboBox::currentIndexChanged, this, &RangePickerDialog::chartChosen);
    connect(chartFill, &QPushButton::clicked, this, [this] {
        model_.fillFromChart();
        render();
    });
    connect(clear, &QPushButton::clicked, this, [this] {
        model_.editGrid([](RangeGridModel& g) { g.clear(); });
        render();
    });
    connect(all, &QPushButton::clicked, this, [this] {
        model_.editGrid([](RangeGridModel& g) { g.fillAll(); });
        render();
    });
    connect(text_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.typeText(toUtf8(text));
        render();
    });
    connect(libraryList_, &QComboBox::currentIndexChanged, this, [this](int index) {
        library_->choose(index);
        render();
    });
    connect(loadButton_, &QPushButton::clicked, this, &RangePickerDialog::loadRange);
    connect(saveButton_, &QPushButton::clicked, this, &RangePickerDialog::saveRangeAs);
    connect(renameButton_, &QPushButton::clicked, this, &RangePickerDialog::renameRange);
    connect(deleteButton_, &QPushButton::clicked, this, &RangePickerDialog::deleteRange);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    render();
    grid_->setFocus();
}

void RangePickerDialog::setRange(const engine::cards::Range& range)
{
    model_.setRange(range);
    render();
}

void RangePickerDialog::setChartSituation(const engine::ChartSituation& situation)
{
    model_.setChartSituation(situation);
    render();
}

void RangePickerDialog::setPercent(double percent)
{
    model_.editGrid([percent](RangeGridModel& g) { g.setTopPercent(percent); });
    render();
}

void RangePickerDialog::chartChosen()
{
    engine::ChartSituation situation;
    situation.action = static_cast<engine::PreflopAction>(chartAction_->currentIndex());
    situation.position = static_cast<engine::Position>(chartPosition_->currentIndex());
    situation.limpers = chartLimpers_->value();
    model_.setChartSituation(situation);
    model_.setChartBetClass(kBetClasses[static_cast<std::size_t>(chartClass_->currentIndex())]);
    render();
}

void RangePickerDialog::render()
{
    const RangeGridModel& grid = model_.grid();
    const QSignalBlocker b1(percentSlider_), b2(percentBox_), b3(weightBox_), b4(chartAction_), b5(chartPosition_),
        b6(chartLimpers_), b7(chartClass_), b8(text_);

    percentSlider_->setValue(static_cast<int>(std::lround(grid.topPercent() * kSliderSteps / 100)));
    percentBox_->setValue(grid.topPercent());
    weightBox_->setValue(grid.penWeight());

    const engine::ChartSituation& situation = model_.chartSituation();
    chartAction_->setCurrentIndex(static_cast<int>(situation.action));
    chartPosition_->setCurrentIndex(static_cast<int>(situation.position));
    chartLimpers_->setValue(static_cast<int>(situation.limpers));
    chartLimpers_->setEnabled(situation.action == engine::PreflopAction::Limped);
    for (std::size_t i = 0; i < kBetClasses.size(); ++i) {
        if (kBetClasses[i] == model_.chartBetClass())
            chartClass_->setCurrentIndex(static_cast<int>(i));
    }

    const QString text = toQString(model_.text());
    if (text_->text() != text)
        text_->setText(text);
    error_->setText(toQString(model_.error()));
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(model_.error().empty());

    const double count = grid.comboCount();
    count_->setText(tr("%1 combinations, %2 %")
                        .arg(QString::number(count, 'g', 6), QString::number(grid.share() * 100, 'f', 1)));
    renderLibrary();
    grid_->update();
}

void RangePickerDialog::renderLibrary()
{
    const QSignalBlocker blocker(libraryList_);
    const auto& ranges = library_->ranges();
    bool same = libraryList_->count() == static_cast<int>(ranges.size());
    for (int i = 0; same && i < libraryList_->count(); ++i)
        same = libraryList_->itemText(i) == toQString(ranges[static_cast<std::size_t>(i)].name);
    if (!same) {
        libraryList_->clear();
        for (const store::StoredRange& r : ranges) {
            libraryList_->addItem(toQString(r.name));
            libraryList_->setItemData(libraryList_->count() - 1, toQString(r.text), Qt::ToolTipRole);
        }
    }
    // A list with ranges always shows one of them chosen.
    if (library_->chosen() < 0 && !ranges.empty())
        library_->choose(0);
    libraryList_->setCurrentIndex(library_->chosen());

    const bool available = library_->available();
    const bool blank = model_.text().find_first_not_of(" ,\t") == std::string::npos;
    libraryList_->setEnabled(available && !ranges.empty());
    loadButton_->setEnabled(available && library_->canLoad());
    saveButton_->setEnabled(available && model_.error().empty() && !blank);
    renameButton_->setEnabled(available && library_->canChange());
    deleteButton_->setEnabled(available && library_->canChange());
    libraryMessage_->setText(toQString(library_->message()));
    libraryMessage_->setVisible(!library_->message().empty());
}

void RangePickerDialog::loadRange()
{
    library_->load(model_);
    render();
}

void RangePickerDialog::saveRangeAs()
{
    const store::StoredRange* chosen = library_->chosenRange();
    const QString initial = chosen && !chosen->standard ? toQString(chosen->name) : QString();
    const std::optional<QString> name = askName(tr("Save Range As"), initial);
    if (!name)
        return;
    const std::string typed = toUtf8(*name);
    if (library_->holds(typed) && !library_->holdsStandard(typed)
        && !confirm(tr("Save Range As"), tr("A range named \u201c%1\u201d is already in the library. Replace it?")
                                             .arg(name->trimmed())))
        return;
    library_->saveAs(typed, model_);
    render();
}

void RangePickerDialog::renameRange()
{
    const store::StoredRange* chosen = library_->chosenRange();
    if (!chosen)
        return;
    const std::optional<QString> name = askName(tr("Rename Range"), toQString(chosen->name));
    if (!name)
        return;
    library_->renameChosen(toUtf8(*name));
    render();
}

void RangePickerDialog::deleteRange()
{
    const store::StoredRange* chosen = library_->chosenRange();
    if (!chosen)
        return;
    if (!confirm(tr("Delete Range"),
                 tr("Delete the range \u201c%1\u201d from the library?").arg(toQString(chosen->name))))
        return;
    library_->removeChosen();
    render();
}

std::optional<QString> RangePickerDialog::askName(const QString& title, const QString& initial)
{
    QInputDialog ask(this);
    ask.setObjectName("rangeNameDialog");
    ask.setWindowTitle(title);
    ask.setLabelText(tr("Name of the range:"));
    ask.setTextValue(initial);
    ask.setPalette(platform::qt::systemPalette());
    if (ask.exec() != QDialog::Accepted)
        return std::nullopt;
    return ask.textValue();
}

bool RangePickerDialog::confirm(const QString& title, const QString& question)
{
    QMessageBox box(QMessageBox::Question, title, question, QMessageBox::Yes | QMessageBox::No, this);
    box.setObjectName("rangeConfirm");
    box.setDefaultButton(QMessageBox::No);
    box.setPalette(platform::qt::systemPalette());
    return box.exec() == QMessageBox::Yes;
}

} // namespace window::cards
