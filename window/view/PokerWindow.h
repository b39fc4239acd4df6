#pragma once
// The advisor's main window on screen: the menu bar over the window's inner
// area, which shows frmPoker's controls as designed and sends them the
// user's input.

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/money/Money.h"
#include "platform/ports/Ports.h"
#include "window/cards/CardsWindow.h"
#include "window/chart/ChartWindow.h"
#include "window/practice/PracticeWindow.h"
#include "window/review/ReviewWindow.h"
#include "window/model/FrmPoker.h"
#include "window/view/FormBuilder.h"
#include "window/view/Metrics.h"

class QAction;
class QScrollArea;

namespace window::view {

class FormBinding;

class PokerWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit PokerWindow(platform::Ports ports, const platform::Money& money = platform::Money::process(),
                         QWidget* parent = nullptr);
    ~PokerWindow() override;

    FrmPoker& model() noexcept { return frm_; }
    FormBinding& binding() const noexcept { return *binding_; }
    const Metrics& metrics() const noexcept { return metrics_; }
    QWidget* innerArea() const noexcept { return surface_; }
    QWidget* controlWidget(std::string_view name) const { return builder_.widget(name); }
    QAction* menuAction(std::string_view name) const;
    // View > Strategy Chart; null until first opened and after it closes.
    ChartWindow* strategyChart() const noexcept { return chart_; }
    // View > Cards and Board; the same.
    cards::CardsWindow* cardsAndBoard() const noexcept { return cards_; }
    // View > Review Hands; the same.
    review::ReviewWindow* handReview() const noexcept { return review_; }
    // View > Practice; the same.
    practice::PracticeWindow* practiceWindow() const noexcept { return practice_; }

    // What File > Exit does once the state file is written: by default the
    // process ends at once, with no close notification to anyone.
    void setProgramEnd(std::function<void()> end) { programEnd_ = std::move(end); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void fitToScreen();
    void showWhole(const QWidget& control);
    void sizeCombo();
    void showAbout(FrmBrisvaneAbout& about);
    void showStrategyChart();
    void showCardsAndBoard();
    void showReviewHands();
    void showPractice();

    FrmPoker frm_;
    Metrics metrics_;
    QScrollArea* scroll_;
    QWidget* surface_;
    // A member, not a child object: it goes before the model it binds.
    std::unique_ptr<FormBinding> binding_;
    FormBuilder builder_;
    QHash<QString, QAction*> actions_;
    std::function<void()> programEnd_;
    QPointer<ChartWindow> chart_;
    QPointer<cards::CardsWindow> cards_;
    QPointer<review::ReviewWindow> review_;
    QPointer<practice::PracticeWindow> practice_;
    bool screenWatched_ = false;
    QMetaObject::Connection focusFollower_;
};

} // namespace window::view
