// The range picker on its real widgets: a drag with the mouse selects the
// rectangle and rewrites the text, typing a range fills the grid, the chart
// fills it with the advisor's hands, the percentage and the weight reach the
// cells, the keys work the grid, and the library saves, loads, renames and
// deletes ranges in a store of the test's own.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyleFactory>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>
#include <set>
#include <string>

#include "engine/Chart.h"
#include "tests/support/QtTestApp.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestFiles.h"
#include "engine/cards/Range.h"
#include "engine/cards/RangeText.h"
#include "store/RangeLibrary.h"
#include "window/cards/RangeGridView.h"
#include "window/cards/RangePickerDialog.h"

using window::cards::RangeGridView;
using window::cards::RangePickerDialog;

namespace {

class RangePickerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QApplication::setStyle(QStyleFactory::create("Fusion")); }

    void SetUp() override
    {
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        grid = dialog.findChild<RangeGridView*>();
        ASSERT_NE(grid, nullptr);
    }

    template <typename T>
    T* child(const char* name)
    {
        auto* w = dialog.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QPoint centreOf(std::string_view hand) const { return grid->cellRect(engine::handIndex(hand)).center(); }
    std::set<std::string> held() const
    {
        std::set<std::string> cells;
        for (int i = 0; i < engine::kHandCount; ++i) {
            if (dialog.model().grid().cellHeld(i))
                cells.insert(std::string(engine::handText(i)));
        }
        return cells;
    }
    // A move with the left button held, as the pointer sends it while dragging.
    void dragOver(QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid, &move);
    }
    std::string text() { return child<QLineEdit>("rangeText")->text().toStdString(); }
    // The combinations and weights a range text reads to (none for a blank
    // text), so that a text is checked by what it means, not by its spelling.
    static std::set<std::pair<std::string, double>> combos(const std::string& rangeText)
    {
        std::set<std::pair<std::string, double>> c;
        if (rangeText.empty())
            return c;
        const auto parsed = engine::cards::parseRange(rangeText);
        EXPECT_TRUE(parsed.ok()) << rangeText << ": " << parsed.error;
        for (std::size_t i = 0; i < parsed.value.combos().size(); ++i)
            c.emplace(parsed.value.combos()[i].text(), parsed.value.weights()[i]);
        return c;
    }

    // Runs `act` on the modal dialog the next step opens, once it shows.
    template <typename T>
    static void whenOpens(std::function<void(T*)> act)
    {
        auto* poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [poll, act] {
            if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget()); modal && modal->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(modal);
            }
        });
        poll->start(10);
    }
    static void answerName(const QString& name)
    {
        whenOpens<QInputDialog>([name](QInputDialog* ask) {
            ask->setTextValue(name);
            ask->accept();
        });
    }
    static void answerQuestion(QMessageBox::StandardButton answer)
    {
        whenOpens<QMessageBox>([answer](QMessageBox* box) { box->button(answer)->click(); });
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    std::vector<std::string> listed()
    {
        std::vector<std::string> names;
        auto* list = child<QComboBox>("libraryList");
        for (int i = 0; i < list->count(); ++i)
            names.push_back(list->itemText(i).toStdString());
        return names;
    }
    void chooseInLibrary(const QString& name)
    {
        auto* list = child<QComboBox>("libraryList");
        const int index = list->findText(name);
        ASSERT_GE(index, 0) << name.toStdString();
        list->setCurrentIndex(index);
    }

    testsupport::TempFolder storeFolder;
    RangePickerDialog dialog{storeFolder.path() / "hands.sqlite"};
    RangeGridView* grid = nullptr;
};

TEST_F(RangePickerTest, ADragSelectsTheRectangleAndTheTextFollows)
{
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf("AA"));
    dragOver(centreOf("KQs"));
    dragOver(centreOf("QQ"));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf("QQ"));
    EXPECT_EQ(held(), (std::set<std::string>{"AA", "AKs", "AQs", "AK", "KK", "KQs", "AQ", "KQ", "QQ"}));
    EXPECT_EQ(combos(text()), combos("AA, AKs, AQs, AKo, KK, KQs, AQo, KQo, QQ"));
    EXPECT_EQ(child<QLabel>("comboCount")->text().toStdString(), "66 combinations, 5.0 %");

    // A drag from a held cell empties its rectangle.
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf("KK"));
    dragOver(centreOf("QQ"));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf("QQ"));
    EXPECT_EQ(combos(text()), combos("AA, AKs, AQs, AKo, AQo"));
    // Beyond the grid's edge the drag holds the nearest cell.
    QTest::mousePress(grid, Qt::LeftButton, {}, centreOf("32s"));
    dragOver(QPoint(grid->width() + 40, -20));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, centreOf("32s"));
    EXPECT_TRUE(dialog.model().grid().cellHeld(engine::handIndex("A2s")));
    EXPECT_FALSE(dialog.model().grid().cellHeld(engine::handIndex("A3s")));
}

TEST_F(RangePickerTest, TypingARangeFillsTheGridAndAnUnreadableOneHoldsOK)
{
    auto* box = child<QLineEdit>("rangeText");
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    box->setFocus();
    QTest::keyClicks(box, "QQ+, AhKh");
    EXPECT_EQ(held(), (std::set<std::string>{"AA", "KK", "QQ", "AKs"}));
    EXPECT_TRUE(dialog.model().grid().cellPartial(engine::handIndex("AKs")));
    EXPECT_EQ(text(), "QQ+, AhKh"); // as typed, not rewritten under the caret
    EXPECT_TRUE(ok->isEnabled());
    QTest::keyClicks(box, ", Z");
    EXPECT_TRUE(child<QLabel>("rangeError")->text().startsWith("\"Z\" is not a hand range"));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(held(), (std::set<std::string>{"AA", "KK", "QQ", "AKs"}));
    EXPECT_NE(grid->toolTipFor(engine::handIndex("AKs")).indexOf("1 of 4 combinations"), -1);

    // A click on the grid rewrites the text and the error goes.
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf("AKs"));
    EXPECT_EQ(combos(text()), combos("AA, AKs, KK, QQ"));
    EXPECT_TRUE(child<QLabel>("rangeError")->text().isEmpty());
    EXPECT_TRUE(ok->isEnabled());
}

TEST_F(RangePickerTest, TheChartFillsTheGridWithTheHandsOfItsBetClass)
{
    child<QComboBox>("chartAction")->setCurrentIndex(static_cast<int>(engine::PreflopAction::Raised));
    child<QComboBox>("chartPosition")->setCurrentIndex(static_cast<int>(engine::Position::Late));
    child<QComboBox>("chartClass")->setCurrentIndex(0); // raise
    EXPECT_EQ(dialog.model().grid().comboCount(), 0); // choosing alone fills nothing
    QTest::mouseClick(child<QPushButton>("chartFill"), Qt::LeftButton);

    engine::ChartSituation situation;
    situation.action = engine::PreflopAction::Raised;
    situation.position = engine::Position::Late;
    const engine::Chart chart = engine::computeChart(situation);
    std::set<std::string> raised;
    for (const engine::ChartCell& c : chart.cells) {
        if (c.betClass == engine::BetClass::Raise)
            raised.insert(c.hand);
    }
    ASSERT_FALSE(raised.empty());
    EXPECT_EQ(held(), raised);
    std::set<std::pair<std::string, double>> filled;
    const engine::cards::Range range = dialog.range();
    for (const auto& c : range.combos())
        filled.emplace(c.text(), 1.0);
    EXPECT_EQ(combos(text()), filled);

    // A situation given from outside shows in the choosers and fills from them.
    dialog.setChartSituation({engine::PreflopAction::Limped, engine::Position::Blinds, 1, 3});
    EXPECT_EQ(child<QComboBox>("chartAction")->currentIndex(), static_cast<int>(engine::PreflopAction::Limped));
    EXPECT_EQ(child<QSpinBox>("chartLimpers")->value(), 3);
    EXPECT_TRUE(child<QSpinBox>("chartLimpers")->isEnabled());
    child<QComboBox>("chartClass")->setCurrentIndex(2); // fold
    QTest::mouseClick(child<QPushButton>("chartFill"), Qt::LeftButton);
    const engine::Chart limped = engine::computeChart({engine::PreflopAction::Limped, engine::Position::Blinds, 1, 3});
    for (int i = 0; i < engine::kHandCount; ++i) {
        EXPECT_EQ(dialog.model().grid().cellHeld(i),
                  limped.cells[static_cast<std::size_t>(i)].betClass == engine::BetClass::Fold)
            << engine::handText(i);
    }

    QTest::mouseClick(child<QPushButton>("clearButton"), Qt::LeftButton);
    EXPECT_TRUE(held().empty());
    EXPECT_EQ(combos(text()), combos(""));
    QTest::mouseClick(child<QPushButton>("allButton"), Qt::LeftButton);
    EXPECT_EQ(combos(text()), combos("random"));
}

TEST_F(RangePickerTest, ThePercentageTakesTheHandsTheNotationGivesTheSameShare)
{
    auto* slider = child<QSlider>("percentSlider");
    auto* box = child<QDoubleSpinBox>("percentBox");
    EXPECT_TRUE(slider->isEnabled());
    box->setValue(15.0);
    EXPECT_EQ(slider->value(), 150);
    EXPECT_EQ(combos(text()), combos("15%"));
    EXPECT_EQ(held().count("AA"), 1u);
    slider->setValue(50); // 5 %
    EXPECT_EQ(box->value(), 5.0);
    EXPECT_EQ(combos(text()), combos("5%"));
    slider->setValue(0);
    EXPECT_TRUE(held().empty());
    EXPECT_EQ(box->value(), 0.0);
}

TEST_F(RangePickerTest, TheWeightGoesToTheCellsJustClicked)
{
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf("AKs"));
    child<QDoubleSpinBox>("weightBox")->setValue(0.5);
    EXPECT_DOUBLE_EQ(dialog.model().grid().cellWeight(engine::handIndex("AKs")), 0.5);
    EXPECT_EQ(text(), engine::cards::rangeText(dialog.range()));
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf("QQ"));
    EXPECT_DOUBLE_EQ(dialog.model().grid().cellWeight(engine::handIndex("QQ")), 0.5);
    EXPECT_EQ(text(), engine::cards::rangeText(dialog.range()));
    EXPECT_EQ(child<QLabel>("comboCount")->text().toStdString(), "5 combinations, 0.4 %");
    EXPECT_NE(grid->toolTipFor(engine::handIndex("QQ")).indexOf("weight 0.5"), -1);
}

TEST_F(RangePickerTest, ArrowsMoveTheCellAndSpaceTogglesIt)
{
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(combos(text()), combos("KK"));
    QTest::keyClick(grid, Qt::Key_Left);
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(combos(text()), combos("AKo, KK"));
    QTest::keyClick(grid, Qt::Key_Space);
    EXPECT_EQ(combos(text()), combos("KK"));
}

TEST_F(RangePickerTest, ItFitsASmallScreenAndEscapeCloses)
{
    const QSize size = dialog.frameGeometry().size();
    EXPECT_LE(size.width(), 1024);
    EXPECT_LE(size.height(), 768 - 40); // room for a panel
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(RangePickerTest, ARangeGivenComesBackAsGiven)
{
    auto parsed = engine::cards::parseRange("AhKh, QQ+, 72o");
    ASSERT_TRUE(parsed.ok());
    dialog.setRange(parsed.value);
    EXPECT_EQ(combos(text()), combos("AA, AhKh, KK, QQ, 72o"));
    EXPECT_EQ(dialog.range().combos().size(), parsed.value.combos().size());
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf("JJ"));
    // The class held in part stays exactly as given.
    EXPECT_EQ(combos(text()), combos("AA, AhKh, KK, QQ, JJ, 72o"));
}

TEST_F(RangePickerTest, TheLibraryLoadsTheAdvisorsChartsButOffersNoChangeToThem)
{
    const auto names = listed();
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "Advisor raises: first in, early position");
    chooseInLibrary(QStringLiteral("Advisor raises: raised pot, late position"));
    EXPECT_TRUE(child<QPushButton>("libraryLoad")->isEnabled());
    EXPECT_TRUE(child<QPushButton>("librarySave")->isVisible());
    EXPECT_FALSE(child<QPushButton>("libraryRename")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("libraryDelete")->isEnabled());
    EXPECT_FALSE(child<QPushButton>("librarySave")->isEnabled()); // nothing picked yet
    click("libraryLoad");
    EXPECT_EQ(text(), "chart(raised, late):raise");
    EXPECT_EQ(combos(engine::cards::rangeText(dialog.range())), combos("chart(raised, late):raise"));
    EXPECT_TRUE(held().count("AA"));
}

TEST_F(RangePickerTest, ARangeSavedAsANameComesBackRenamedAndIsDeletedOnlyWhenConfirmed)
{
    QTest::keyClicks(child<QLineEdit>("rangeText"), "QQ+, AKs:0.5");
    ASSERT_TRUE(child<QPushButton>("librarySave")->isEnabled());
    answerName(QStringLiteral("Three-bet"));
    click("librarySave");
    EXPECT_EQ(listed().back(), "Three-bet");
    EXPECT_EQ(child<QComboBox>("libraryList")->currentText(), QStringLiteral("Three-bet"));
    EXPECT_TRUE(child<QPushButton>("libraryRename")->isEnabled());

    click("clearButton");
    EXPECT_TRUE(held().empty());
    click("libraryLoad");
    EXPECT_EQ(combos(text()), combos("QQ+, AKs:0.5"));
    EXPECT_EQ(combos(engine::cards::rangeText(dialog.range())), combos("QQ+, AKs:0.5"));

    // Saving over it asks first; "No" keeps the old text.
    click("allButton");
    answerName(QStringLiteral("Three-bet"));
    answerQuestion(QMessageBox::No);
    click("librarySave");
    EXPECT_EQ(dialog.library().chosenRange()->text, "QQ+, AKs:0.5");

    answerName(QStringLiteral("Value"));
    click("libraryRename");
    EXPECT_EQ(listed().back(), "Value");
    EXPECT_EQ(child<QComboBox>("libraryList")->currentText(), QStringLiteral("Value"));

    answerQuestion(QMessageBox::No);
    click("libraryDelete");
    EXPECT_EQ(listed().back(), "Value");
    answerQuestion(QMessageBox::Yes);
    click("libraryDelete");
    EXPECT_NE(listed().back(), "Value");
    EXPECT_FALSE(store::RangeLibrary(storeFolder.path() / "hands.sqlite").load("Value").has_value());
}

TEST(RangePickerLibrary, ADamagedStoreDisablesOnlyTheLibrary)
{
    testsupport::TempFolder folder;
    const auto file = folder.path() / "hands.sqlite";
    const std::string damaged = std::string(8192, '\x5a') + "not a database";
    testsupport::writeFile(file, damaged);
    RangePickerDialog dialog(file);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* message = dialog.findChild<QLabel*>(QStringLiteral("libraryMessage"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_NE(message->text().indexOf(QStringLiteral("damaged")), -1) << message->text().toStdString();
    for (const char* name : {"libraryLoad", "librarySave", "libraryRename", "libraryDelete"})
        EXPECT_FALSE(dialog.findChild<QPushButton*>(QString::fromLatin1(name))->isEnabled()) << name;
    EXPECT_FALSE(dialog.findChild<QComboBox*>(QStringLiteral("libraryList"))->isEnabled());

    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("rangeText")), "JJ+");
    EXPECT_EQ(dialog.model().grid().comboCount(), 24);
    EXPECT_TRUE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_EQ(testsupport::readFile(file), damaged);
}

TEST_F(RangePickerTest, Screenshot)
{
    const QString folder = QStringLiteral(SCREENSHOT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    auto* box = child<QLineEdit>("rangeText");
    QTest::keyClicks(box, "TT+, AQs+, KQs, AKo, AhJh, 99");
    QTest::mouseClick(grid, Qt::LeftButton, {}, centreOf("88"));
    child<QDoubleSpinBox>("weightBox")->setValue(0.5);
    grid->setFocus();
    EXPECT_TRUE(dialog.grab().save(folder + QStringLiteral("/range-picker.png")));
}

} // namespace
