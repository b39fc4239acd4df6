// The window-handle registry and its binding to Qt widgets.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QWidget>

#include "tests/support/QtTestApp.h"
#include "platform/handles/QtWindowHandles.h"
#include "platform/handles/WindowHandleRegistry.h"

namespace {

using platform::WindowHandleRegistry;

TEST(WindowHandleRegistry, HandlesArePositiveUniqueAndNeverReused)
{
    WindowHandleRegistry registry;
    const auto a = registry.allocate(nullptr);
    const auto b = registry.allocate(nullptr);
    registry.release(a);
    const auto c = registry.allocate(nullptr);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, a);
    EXPECT_GT(c, b);
    EXPECT_FALSE(registry.isWindow(a));
    EXPECT_TRUE(registry.isWindow(b));
    EXPECT_FALSE(registry.isWindow(0));
}

TEST(WindowHandleRegistry, MessagesReachTheWindowAndAWindowMayGoWhileHandlingOne)
{
    WindowHandleRegistry registry;
    std::vector<unsigned> received;
    std::intptr_t self = 0;
    self = registry.allocate([&](unsigned message, std::intptr_t w, std::intptr_t l) -> std::intptr_t {
        received.push_back(message);
        if (message == platform::WmClose)
            registry.release(self);
        return w + l;
    });
    EXPECT_EQ(registry.sendMessage(self, 5, 2, 3), 5);
    EXPECT_EQ(registry.sendMessage(self, platform::WmClose, 0, 0), 0);
    EXPECT_FALSE(registry.isWindow(self));
    EXPECT_EQ(registry.sendMessage(self, 5, 2, 3), 0) << "a closed window hears nothing";
    EXPECT_EQ(received, (std::vector<unsigned>{5, platform::WmClose}));
    EXPECT_EQ(registry.sendMessage(123456789, platform::WmClose, 0, 0), 0);
}

TEST(WindowHandleRegistry, DoEventsRunsTheInstalledPump)
{
    WindowHandleRegistry registry;
    registry.doEvents(); // nothing installed: nothing happens
    int steps = 0;
    registry.setMessagePump([&] { ++steps; });
    registry.doEvents();
    registry.doEvents();
    EXPECT_EQ(steps, 2);
}

class Refusing final : public QWidget {
public:
    bool refuse = true;

protected:
    void closeEvent(QCloseEvent* e) override
    {
        if (refuse)
            e->ignore();
        else
            e->accept();
    }
};

class QtHandles : public ::testing::Test {
protected:
    WindowHandleRegistry& registry = WindowHandleRegistry::process();
};

TEST_F(QtHandles, AWidgetGetsOneHandleThatTheCloseMessageCloses)
{
    QWidget w;
    w.show();
    const auto h = platform::registerWidget(w);
    EXPECT_EQ(platform::registerWidget(w), h);
    EXPECT_EQ(platform::widgetHandle(w), h);
    EXPECT_EQ(platform::widgetForHandle(h), &w);
    registry.sendMessage(h, platform::WmClose, 0, 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(registry.isWindow(h));
    EXPECT_EQ(platform::widgetHandle(w), 0);
}

TEST_F(QtHandles, ARefusedCloseKeepsTheHandle)
{
    Refusing w;
    w.show();
    const auto h = platform::registerWidget(w);
    registry.sendMessage(h, platform::WmClose, 0, 0);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(registry.isWindow(h));
    w.refuse = false;
    w.close();
    EXPECT_FALSE(registry.isWindow(h)) << "a close by the user counts too";
}

TEST_F(QtHandles, ADestroyedWidgetGivesItsHandleBack)
{
    auto* w = new QWidget;
    const auto h = platform::registerWidget(*w);
    delete w;
    EXPECT_FALSE(registry.isWindow(h));
    EXPECT_EQ(platform::widgetForHandle(h), nullptr);
}

TEST_F(QtHandles, TheQtPumpRunsPostedEvents)
{
    platform::installQtMessagePump();
    bool ran = false;
    QMetaObject::invokeMethod(qApp, [&] { ran = true; }, Qt::QueuedConnection);
    registry.doEvents();
    EXPECT_TRUE(ran);
}

} // namespace
