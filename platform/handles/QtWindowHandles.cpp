#include "platform/handles/QtWindowHandles.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/handles/WindowHandleRegistry.h"

namespace platform {

namespace {

constexpr const char* kHandleProperty = "windowHandle";

std::map<std::intptr_t, QPointer<QWidget>>& widgets()
{
    static std::map<std::intptr_t, QPointer<QWidget>> map;
    return map;
}

void releaseHandle(std::intptr_t handle)
{
    WindowHandleRegistry::process().release(handle);
    widgets().erase(handle);
}

// Watches the widget's close: once the widget has accepted it, the handle goes.
class CloseWatcher final : public QObject {
public:
    CloseWatcher(QWidget& widget, std::intptr_t handle) : QObject(&widget), handle_(handle)
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // An accepted close hides the widget at once; a refused one does not.
        switch (event->type()) {
        case QEvent::Close:
            closing_ = true;
            break;
        case QEvent::Hide:
            if (closing_)
                releaseHandle(handle_);
            closing_ = false;
            break;
        case QEvent::Show:
            closing_ = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::intptr_t handle_;
    bool closing_ = false;
};

} // namespace

std::intptr_t registerWidget(QWidget& widget)
{
    if (const std::intptr_t existing = widgetHandle(widget))
        return existing;
    QPointer<QWidget> guard(&widget);
    const std::intptr_t handle = WindowHandleRegistry::process().allocate(
        [guard](unsigned message, std::intptr_t, std::intptr_t) -> std::intptr_t {
            if (message == WmClose && guard)
                guard->close();
            return 0;
        });
    widget.setProperty(kHandleProperty, QVariant::fromValue<qlonglong>(handle));
    widgets()[handle] = guard;
    new CloseWatcher(widget, handle);
    QObject::connect(&widget, &QObject::destroyed, [handle] { releaseHandle(handle); });
    return handle;
}

std::intptr_t widgetHandle(const QWidget& widget)
{
    const QVariant v = widget.property(kHandleProperty);
    if (!v.isValid())
        return 0;
    const auto handle = static_cast<std::intptr_t>(v.toLongLong());
    return WindowHandleRegistry::process().isWindow(handle) ? handle : 0;
}

QWidget* widgetForHandle(std::intptr_t handle)
{
    const auto it = widgets().find(handle);
    return it == widgets().end() ? nullptr : it->second.data();
}

void installQtMessagePump()
{
    WindowHandleRegistry::process().setMessagePump([] { QCoreApplication::processEvents(); });
}

} // namespace platform
