// Input on the real widgets that the sessions do not cover: pastes and drops
// into the filtered boxes, editing at the caret, the form's key preview, focus
// moves that do not count, the post-flop list, Reset by mouse, and closing.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>

#include "ViewFixture.h"
#include "platform/form/Input.h"

namespace viewtest {
namespace {

enum class PasteBy { ShiftInsert, CtrlV, ContextMenu, Drop };

struct PasteCase {
    const char* name;
    const char* box;
    const char* text;
    PasteBy by;
    const char* result; // the box's text in the model afterwards
};

void PrintTo(const PasteCase& c, std::ostream* out)
{
    *out << c.name;
}

class Pasting : public ViewTest, public ::testing::WithParamInterface<PasteCase> {
protected:
    // The widget that takes mouse events and drops for a text control.
    QWidget* receiver(std::string_view name) const
    {
        QWidget* w = widget(name);
        if (auto* multi = qobject_cast<QPlainTextEdit*>(w))
            return multi->viewport();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->lineEdit();
        return w;
    }

    void dropOn(QWidget* target, const QString& text)
    {
        QMimeData data;
        data.setText(text);
        const QPointF at(target->width() - 4, target->height() / 2.0);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction); // the source keeps its text
    }

    void pasteFromContextMenu(QWidget* target)
    {
        bool chosen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            for (QAction* a : menu->actions())
                if (a->text() == QLatin1String("&Paste"))
                    menu->setActiveAction(a);
            QTest::keyClick(menu, Qt::Key_Return);
            chosen = true;
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), target->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(target, &event);
        EXPECT_TRUE(chosen);
        window->activateWindow(); // as a desktop gives the activation back
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_P(Pasting, EachCharacterGoesThroughTheFilterAndTheLimitAsIfTyped)
{
    const PasteCase& c = GetParam();
    clickEnd(c.box);
    QGuiApplication::clipboard()->setText(QString::fromUtf8(c.text));
    switch (c.by) {
    case PasteBy::ShiftInsert: key(Qt::Key_Insert, Qt::ShiftModifier); break;
    case PasteBy::CtrlV: key(Qt::Key_V, Qt::ControlModifier); break;
    case PasteBy::ContextMenu: pasteFromContextMenu(receiver(c.box)); break;
    case PasteBy::Drop: dropOn(receiver(c.box), QString::fromUtf8(c.text)); break;
    }
    const auto& box = static_cast<const platform::TextControl&>(*frm().form.find(c.box));
    EXPECT_EQ(box.text(), c.result);
    expectWidgetsMirrorTheModel(*window);
}

INSTANTIATE_TEST_SUITE_P(
    FilteredBoxes, Pasting,
    ::testing::Values(
        PasteCase{"HoleCardsKeepOnlyCardKeysUpToTwo", "txtHoleCard", "a k 10 q", PasteBy::ShiftInsert, "ak"},
        PasteCase{"CtrlVInHoleCardsIsFilteredAsShiftInsert", "txtHoleCard", "a k 10 q", PasteBy::CtrlV, "ak"},
        PasteCase{"CtrlVInBigBlindIsFilteredAndLimited", "txtBB", "$98,765.4321", PasteBy::CtrlV, "98,765.432"},
        PasteCase{"BigBlindTakesDigitsGroupingAndThePoint", "txtBB", "$1,234.50", PasteBy::ContextMenu, "1,234.50"},
        PasteCase{"BigBlindStopsAtTenTypedCharacters", "txtBB", "123456789012", PasteBy::Drop, "1234567890"},
        PasteCase{"LimpersTakeDigits", "txtLimpers", "3 players\n", PasteBy::ShiftInsert, "3"},
        PasteCase{"AdviceTakesLinesAsCrLf", "txtPreFlop", "one\ntwo\r\nthree", PasteBy::CtrlV, "one\r\ntwo\r\nthree"},
        PasteCase{"AdviceDropsWhatNoKeyTypes", "txtFlop", "a\tb\x01"
                                                          "c",
                  PasteBy::Drop, "abc"},
        PasteCase{"ComboFieldIsOneLine", "cmbPostFlop", "Two\nPair", PasteBy::ShiftInsert, "TwoPair"}),
    [](const ::testing::TestParamInfo<PasteCase>& c) { return std::string(c.param.name); });

TEST_F(ViewTest, EditingHappensAtTheCaretTheUserLeft)
{
    clickEnd("txtFlop");
    type("abcd");
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    type("X");
    EXPECT_EQ(frm().txtFlop.text(), "abXcd");
    key(Qt::Key_Home, Qt::ShiftModifier);
    type("Y");
    EXPECT_EQ(frm().txtFlop.text(), "Ycd");
    key(Qt::Key_Return);
    key(Qt::Key_Home);
    key(Qt::Key_Backspace); // the whole line break
    EXPECT_EQ(frm().txtFlop.text(), "Ycd");
    key(Qt::Key_End);
    key(Qt::Key_Return);
    key(Qt::Key_Left);
    key(Qt::Key_Delete); // the whole line break again
    EXPECT_EQ(frm().txtFlop.text(), "Ycd");
    key(Qt::Key_A, Qt::ControlModifier); // nothing filters Ctrl+A here: all is selected
    key(Qt::Key_Delete);
    EXPECT_EQ(frm().txtFlop.text(), "");
    expectWidgetsMirrorTheModel(*window);
}

// Ctrl+A, Ctrl+C, Ctrl+X and Ctrl+V edit every box as on any desktop, the
// filtered ones included: the key filters never see them.
struct ChordCase {
    const char* box;
    const char* typed;       // typed first
    const char* replacement; // typed over the whole text after Ctrl+A
};

void PrintTo(const ChordCase& c, std::ostream* out)
{
    *out << c.box;
}

class EditingChords : public ViewTest, public ::testing::WithParamInterface<ChordCase> {
protected:
    std::string text() const { return static_cast<const platform::TextControl&>(*window->model().form.find(GetParam().box)).text(); }
};

TEST_P(EditingChords, SelectAllCopyCutAndPaste)
{
    const ChordCase& c = GetParam();
    clickEnd(c.box);
    type(QString::fromUtf8(c.typed));
    key(Qt::Key_A, Qt::ControlModifier);
    type(QString::fromUtf8(c.replacement)); // replaces, never appends
    EXPECT_EQ(text(), c.replacement);

    QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.replacement));
    EXPECT_EQ(text(), c.replacement);

    QGuiApplication::clipboard()->setText(QStringLiteral("unchanged"));
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8(c.replacement));
    EXPECT_EQ(text(), "");

    key(Qt::Key_V, Qt::ControlModifier); // the filters and limits of pastes: the table above
    EXPECT_EQ(text(), c.replacement);
    expectWidgetsMirrorTheModel(*window);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTextBox, EditingChords,
    ::testing::Values(ChordCase{"txtBB", "2", "0.25"}, ChordCase{"txtHoleCard", "q9", "A"},
                      ChordCase{"txtLimpers", "12", "3"}, ChordCase{"cmbPostFlop", "Flush", "Trips"},
                      ChordCase{"txtPreFlop", "one", "two"}, ChordCase{"txtFlop", "one", "two"}),
    [](const ::testing::TestParamInfo<ChordCase>& c) { return std::string(c.param.box); });

TEST_F(ViewTest, OtherControlChordsStillMeetTheKeyFilter)
{
    clickEnd("txtHoleCard");
    type("q9");
    key(Qt::Key_H, Qt::ControlModifier); // Backspace, which the filter passes
    EXPECT_EQ(frm().txtHoleCard.text(), "q");
    key(Qt::Key_Z, Qt::ControlModifier); // a control character the filter drops
    key(Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(frm().txtHoleCard.text(), "q");
    // Copied advice keeps LF line breaks on the clipboard.
    frm().txtPreFlop.setText("one\r\ntwo");
    clickEnd("txtPreFlop");
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo"));
}

TEST_F(ViewTest, TheFormSeesEveryKeyFirstWithKeyPreview)
{
    // The help turned key preview on at start-up, and takes F1 before any
    // later listener (the window's topic: see the help tests).
    EXPECT_TRUE(frm().form.keyPreview());
    std::vector<int> seen;
    frm().form.keyDown.connect([&](int& code, int shift) {
        seen.push_back(code * 10 + shift);
        if (code == 'Q')
            code = 0; // consumed: the box never sees it
    });
    type("1");
    key(Qt::Key_F1);
    key(Qt::Key_Q, Qt::ShiftModifier);
    click("optEarly");
    key(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_EQ(frm().txtBB.text(), "$1.00");
    // Shift and Control go down first, as keys of their own.
    const std::vector<int> expected{'1' * 10, 0, 16 * 10 + 1, 'Q' * 10 + 1, 17 * 10 + 2, 32 * 10 + 2};
    EXPECT_EQ(seen, expected);
}

TEST_F(ViewTest, OnlyMovesBetweenTheWindowsControlsCountAsFocusChanges)
{
    type("5");
    int lostFocus = 0;
    frm().txtBB.lostFocus.connect([&] { ++lostFocus; });

    // A menu opened and closed again.
    QMenu* file = window->menuBar()->actions().front()->menu();
    file->popup(window->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QTest::keyClick(file, Qt::Key_Escape);
    // The window deactivated by another and activated again.
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // A modal window over it.
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(frm().form.focus(), &frm().txtBB);
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    window->menuAction("mnuAbout")->trigger();
    window->activateWindow(); // as a desktop gives the activation back
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    EXPECT_EQ(lostFocus, 0);
    EXPECT_EQ(frm().txtBB.text(), "5");
    expectWidgetsMirrorTheModel(*window);
    key(Qt::Key_Tab);
    EXPECT_EQ(lostFocus, 1);
    EXPECT_EQ(frm().txtBB.text(), "$5.00");
}

TEST_F(ViewTest, TheOpenedListReachesFivePixelsAboveTheBottom)
{
    auto* combo = static_cast<QComboBox*>(widget("cmbPostFlop"));
    const int closedHeight = combo->height();
    clickEnd("cmbPostFlop");
    key(Qt::Key_F4);
    QWidget* list = combo->view()->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
    const QWidget* inner = window->innerArea();
    EXPECT_EQ(list->geometry().top(), combo->mapToGlobal(QPoint(0, combo->height())).y());
    EXPECT_EQ(list->geometry().bottom() + 1, inner->mapToGlobal(QPoint(0, inner->height())).y() - 5);
    EXPECT_EQ(combo->height(), closedHeight);
    EXPECT_EQ(frm().cmbPostFlop.dropDownHeight(), 757 - 496 - 5);

    // Choosing an item with the mouse is the model's choice.
    const QRect item = combo->view()->visualRect(combo->model()->index(5, 0));
    QTest::mouseClick(combo->view()->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    EXPECT_EQ(frm().cmbPostFlop.listIndex(), 5);
    EXPECT_EQ(frm().txtFlop.text(), "Enter the correct options above");
    expectWidgetsMirrorTheModel(*window);
}

TEST_F(ViewTest, TheWheelDoesNotChangeTheClosedList)
{
    QWidget* combo = widget("cmbPostFlop");
    QWheelEvent wheel(QPointF(10, 10), combo->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(combo, &wheel);
    EXPECT_EQ(frm().cmbPostFlop.listIndex(), -1);
    expectWidgetsMirrorTheModel(*window);
}

TEST_F(ViewTest, ResetByMouseKeepsTheBigBlindAndEmptiesTheResults)
{
    type("2");
    clickEnd("txtHoleCard");
    type("AA");
    click("optOpened");
    click("optIn");
    clickEnd("cmbPostFlop");
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    ASSERT_FALSE(frm().txtPreFlop.text().empty());
    ASSERT_FALSE(frm().txtFlop.text().empty());
    click("cmdResetPartial");
    EXPECT_EQ(frm().txtBB.text(), "$2.00");
    for (const platform::TextBox* box : {&frm().txtHoleCard, &frm().txtPreFlop, &frm().txtFlop, &frm().txtLimpers})
        EXPECT_EQ(box->text(), "") << box->name();
    EXPECT_EQ(frm().lblGroup.caption(), "");
    EXPECT_EQ(frm().lblBetAmount.caption(), "");
    EXPECT_EQ(frm().cmbPostFlop.listIndex(), 0);
    EXPECT_EQ(frm().form.focus(), &frm().txtHoleCard);
    expectWidgetsMirrorTheModel(*window);
}

TEST_F(ViewTest, TheHiddenHelpButtonNeverTakesAClick)
{
    const QRect help = window->metrics().rect({2400, 10440, 615, 255});
    clickAt(window->innerArea()->mapTo(window.get(), help.center()));
    EXPECT_EQ(frm().form.focus(), &frm().txtHoleCard); // Reset, which lies there, ran
}

class StateFileTest : public ViewTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(QStringLiteral("state.txt"));
        qputenv("TABLEWISE_STATE_FILE", path.toLocal8Bit());
        ViewTest::SetUp();
    }
    void TearDown() override
    {
        ViewTest::TearDown();
        qunsetenv("TABLEWISE_STATE_FILE");
    }
    QString written() const
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    QTemporaryDir dir;
    QString path;
};

TEST_F(StateFileTest, ClosingTheWindowWritesTheDumpAfterTheCloseNotification)
{
    std::vector<int> modes;
    frm().form.queryUnload.connect([&](int&, int mode) { modes.push_back(mode); });
    type("3");
    clickEnd("txtHoleCard");
    type("jj");
    // Closing ends the event loop, so it happens inside one.
    bool closed = false;
    QTimer::singleShot(0, [&] { closed = window->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(closed);
    EXPECT_EQ(modes, std::vector<int>{platform::FormControlMenu});
    EXPECT_EQ(written(), QString::fromStdString(dump()));
}

TEST_F(StateFileTest, ACancelledCloseKeepsTheWindowAndWritesNothing)
{
    frm().form.queryUnload.connect([](int& cancel, int) { cancel = 1; });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(written().isEmpty());
}

TEST_F(ViewTest, ExitEndsTheProcessAtOnceAfterWritingTheDump)
{
    // The child process that runs the statement sets itself up anew: the
    // files are named by the test's own runtime folder, which both share.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR", QDir::tempPath());
    const QString state = runtime + QStringLiteral("/exit-state.txt");
    const QString notified = runtime + QStringLiteral("/exit-notified");
    QFile::remove(state);
    QFile::remove(notified);
    EXPECT_EXIT(
        {
            qputenv("TABLEWISE_STATE_FILE", state.toLocal8Bit());
            // A window as the program makes it, ending as the program does.
            window::view::PokerWindow program(desktop.ports(), platform::Money::unitedStates());
            program.show();
            program.model().form.queryUnload.connect([&](int&, int) { QFile(notified).open(QIODevice::WriteOnly); });
            platform::input::keyPress(program.model().txtBB, '4');
            program.menuAction("mnuExit")->trigger();
            std::_Exit(3); // not reached when Exit ends the program
        },
        ::testing::ExitedWithCode(0), "");
    QFile written(state);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("txtBB\t4\n"));
    EXPECT_FALSE(QFile::exists(notified));
}

TEST_F(ViewTest, ClosingTheWindowEndsTheProgramWithAnotherWindowOpen)
{
    QWidget viewer; // as a help viewer would stay open
    viewer.show();
    QTimer::singleShot(0, [&] { window->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(viewer.isVisible());
}

} // namespace
} // namespace viewtest
