#include "window/view/PokerWindow.h"

#include <QApplication>
#include <QDateTime>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QWindow>
#include <QLineEdit>
#include <QMenuBar>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "help/CHtmlHelp.h"
#include "help/HelpContext.h"
#include "help/basHtmlHelp.h"
#include "platform/handles/QtWindowHandles.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/model/FrmPokerHelp.h"
#include "platform/money/TypedAmount.h"
#include "window/practice/StoreRecords.h"
#include "window/review/ReviewStorePath.h"
#include "window/view/AboutDialog.h"
#include "window/view/Artwork.h"
#include "window/view/FormBinding.h"
#include "window/view/PostFlopCombo.h"
#include "window/view/PreFlopFrame.h"
#include "window/view/StateFile.h"
#include "platform/qt/QtText.h"

namespace window::view {

namespace {

using platform::qt::toQString;

// A pixel count as a 16-bit integer: nearest, ties to even.
int toInt16(double pixels)
{
    const double n = std::nearbyint(pixels);
    return static_cast<int>(std::clamp(n, double(std::numeric_limits<std::int16_t>::min()),
                                        double(std::numeric_limits<std::int16_t>::max())));
}

void endAtOnce()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace

PokerWindow::PokerWindow(platform::Ports ports, const platform::Money& money, QWidget* parent)
    : QMainWindow(parent), frm_(ports, money), metrics_(Metrics::forScreen(screen())), scroll_(new QScrollArea(this)),
      surface_(new QWidget(scroll_)),
      binding_(std::make_unique<FormBinding>(frm_.form)), builder_(metrics_, *binding_), programEnd_(endAtOnce)
{
    setWindowTitle(toQString(frm_.form.caption()));
    setWindowIcon(programIcon());

    makeFormSurface(*surface_, metrics_.size(kFormWidthTwips, kFormHeightTwips));
    // The inner area scrolls where the screen is less tall than the window.
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidget(surface_);
    setCentralWidget(scroll_);

    builder_.build(*surface_, frmPokerLayout(), [this](const ControlLayout& l, QWidget& parentWidget) -> QWidget* {
        return l.name == "UltiFrame1" ? makePreFlopFrame(l, parentWidget) : nullptr;
    });

    // The position options show their text in the button-face colour.
    for (const char* name : {"optEarly", "optMiddle", "optLate"}) {
        QWidget* option = builder_.widget(name);
        QPalette p = option->palette();
        p.setColor(QPalette::WindowText, QApplication::palette().color(QPalette::Button));
        option->setPalette(p);
    }
    static_cast<QLineEdit*>(builder_.widget("txtHoleCard"))->setAlignment(Qt::AlignHCenter);
    builder_.widget("lblHyper")->setCursor(handCursor());
    auto* logo = static_cast<QLabel*>(builder_.widget("Image1"));
    logo->setPixmap(scaledTo(logoPicture(), logo->size()));

    buildMenus();
    fitToScreen();
    // A keyboard user's focus is always in view.
    focusFollower_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && surface_->isAncestorOf(now))
            showWhole(qobject_cast<QComboBox*>(now->parentWidget()) ? *now->parentWidget() : *now);
    });

    frm_.loadHooks.sizeCombo = [this](FrmPoker&) { sizeCombo(); };
    frm_.menuHooks.endProgram = [this] {
        writeStateFileIfAsked(frm_);
        programEnd_();
    };
    frm_.menuHooks.showModal = [this](FrmBrisvaneAbout& about) { showAbout(about); };
    // The help wrapper knows the window by its handle: F1 and Help > Contents
    // open viewers it owns, and its closing closes them.
    frm_.form.setHWnd(platform::registerWidget(*this));
    wireHelp(frm_);
    frm_.menuHooks.openContents = openHelpContents;

    frm_.Form_Load();
    binding_->render();
}

PokerWindow::~PokerWindow()
{
    // The chart and the cards window follow this window's model: they go first.
    delete chart_;
    delete cards_;
    delete review_;
    delete practice_;
    // The widgets go next, moving the focus as they go.
    disconnect(focusFollower_);
}

void PokerWindow::buildMenus()
{
    struct Command {
        std::string_view name;
        void (FrmPoker::*handler)();
    };
    static constexpr Command commands[] = {
        {"mnuExit", &FrmPoker::mnuExit_Click},
        {"mnuContents", &FrmPoker::mnuContents_Click},
        {"mnuAbout", &FrmPoker::mnuAbout_Click},
    };
    QHash<QString, QMenu*> menus;
    for (const MenuLayout& m : frmPokerMenus()) {
        const QString caption = platform::qt::toQString(m.caption);
        if (m.parent.empty()) {
            menus.insert(toQString(m.name), menuBar()->addMenu(caption));
            continue;
        }
        QAction* action = menus.value(toQString(m.parent))->addAction(caption);
        action->setObjectName(toQString(m.name));
        actions_.insert(toQString(m.name), action);
        for (const Command& c : commands)
            if (c.name == m.name)
                connect(action, &QAction::triggered, this, [this, handler = c.handler] { (frm_.*handler)(); });
        if (m.name == "mnuStrategyChart")
            connect(action, &QAction::triggered, this, &PokerWindow::showStrategyChart);
        if (m.name == "mnuCardsAndBoard")
            connect(action, &QAction::triggered, this, &PokerWindow::showCardsAndBoard);
        if (m.name == "mnuReviewHands")
            connect(action, &QAction::triggered, this, &PokerWindow::showReviewHands);
        if (m.name == "mnuPractice")
            connect(action, &QAction::triggered, this, &PokerWindow::showPractice);
    }
}

// The chart is a window of its own beside this one, not a dialog: one at a
// time, brought to the front when asked for again.
void PokerWindow::showStrategyChart()
{
    if (!chart_) {
        chart_ = new ChartWindow(frm_);
        chart_->setAttribute(Qt::WA_DeleteOnClose);
        chart_->setWindowIcon(windowIcon());
        // The chart's page, in a viewer the chart owns.
        connect(chart_, &ChartWindow::helpRequested, this, [this] {
            help::GetHtmlHelp()->OpenContext(help::kHelpContextStrategyChart, help::DefaultHelpFile(),
                                             platform::registerWidget(*chart_));
        });
    }
    chart_->show();
    chart_->raise();
    chart_->activateWindow();
}

// Like the chart; first shown beside this window.
void PokerWindow::showCardsAndBoard()
{
    if (!cards_) {
        cards_ = new cards::CardsWindow(frm_);
        cards_->setAttribute(Qt::WA_DeleteOnClose);
        cards_->setWindowIcon(windowIcon());
        cards_->placeAt(frameGeometry().topRight() + QPoint(8, 0));
    }
    cards_->show();
    cards_->raise();
    cards_->activateWindow();
}

// Like the chart, on the store TABLEWISE_REVIEW_DB names or the default one.
void PokerWindow::showReviewHands()
{
    if (!review_) {
        review_ = new review::ReviewWindow(frm_, review::reviewStorePath());
        review_->setAttribute(Qt::WA_DeleteOnClose);
        review_->setWindowIcon(windowIcon());
        connect(review_, &review::ReviewWindow::helpRequested, this, [this] {
            help::GetHtmlHelp()->OpenContext(help::kHelpContextReviewHands, help::DefaultHelpFile(),
                                             platform::registerWidget(*review_));
        });
    }
    review_->show();
    review_->raise();
    review_->activateWindow();
}

// Like the review, on the same store; the questions' big blind is the one
// typed in this window when it holds an amount.
void PokerWindow::showPractice()
{
    if (!practice_) {
        practice::PracticeSettings settings;
        settings.seed = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
        if (const auto bb = platform::TypedAmount(frm_.money).read(frm_.txtBB.text()); bb && *bb > 0)
            settings.bigBlind = *bb;
        const std::filesystem::path path = review::reviewStorePath();
        practice_ = new practice::PracticeWindow([path] { return practice::openStoreRecords(path); }, frm_.money,
                                                 std::move(settings));
        practice_->setAttribute(Qt::WA_DeleteOnClose);
        practice_->setWindowIcon(windowIcon());
        connect(practice_, &practice::PracticeWindow::helpRequested, this, [this] {
            help::GetHtmlHelp()->OpenContext(help::kHelpContextPractice, help::DefaultHelpFile(),
                                             platform::registerWidget(*practice_));
        });
    }
    practice_->show();
    practice_->raise();
    practice_->activateWindow();
}

// The window is as designed, not resizable, and never taller than the
// screen's available height: there the inner area scrolls, with the scroll
// bar beside it.
void PokerWindow::fitToScreen()
{
    const int frame = frameGeometry().height() - geometry().height();
    const int available = screen()->availableGeometry().height() - frame;
    QSize size(surface_->width(), surface_->height() + menuBar()->sizeHint().height());
    if (size.height() > available) {
        size.setHeight(available);
        size.rwidth() += scroll_->verticalScrollBar()->sizeHint().width();
    }
    setFixedSize(size);
}

// The whole control, where the scroll area's own ensureWidgetVisible would
// show only a text box's caret.
void PokerWindow::showWhole(const QWidget& control)
{
    const QRect place(control.mapTo(surface_, QPoint(0, 0)), control.size());
    scroll_->ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + 2, place.height() / 2 + 2);
}

void PokerWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The frame the desktop puts round the window is known now.
    fitToScreen();
    if (!screenWatched_) {
        screenWatched_ = true;
        connect(windowHandle(), &QWindow::screenChanged, this, &PokerWindow::fitToScreen);
    }
}

QAction* PokerWindow::menuAction(std::string_view name) const
{
    return actions_.value(toQString(name));
}

// The opened list of the post-flop box reaches down to 5 pixels above the
// bottom of the window's inner area; the closed box keeps its size.
void PokerWindow::sizeCombo()
{
    auto* combo = static_cast<PostFlopCombo*>(builder_.widget("cmbPostFlop"));
    const int top = toInt16(combo->geometry().top());
    const int height = toInt16(surface_->height() - top - 5.0);
    frm_.cmbPostFlop.setDropDownHeight(height);
}

void PokerWindow::showAbout(FrmBrisvaneAbout& about)
{
    AboutDialog dialog(about, metrics_, this);
    dialog.exec();
}

void PokerWindow::closeEvent(QCloseEvent* event)
{
    if (!frm_.form.close(platform::FormControlMenu)) {
        event->ignore();
        return;
    }
    writeStateFileIfAsked(frm_);
    event->accept();
    // Other windows of the program (a help viewer) may still be open: closing
    // this one ends the program all the same.
    QCoreApplication::exit(0);
}

} // namespace window::view
