#include "sheerpane/WindowHandles.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

namespace sheerpane {

namespace {

constexpr const char* kHandleProperty = "sheerpaneWindowHandle";
constexpr const char* kLastHandleProperty = "sheerpaneLastWindowHandle";
constexpr std::int32_t kFirstHandle = 0x10000;

} // namespace

std::int32_t windowHandleOf(QWidget& widget)
{
    const QVariant kept = widget.property(kHandleProperty);
    if (kept.isValid())
        return kept.toInt();
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return 0;
    const QVariant last = app->property(kLastHandleProperty);
    const std::int32_t handle = last.isValid() ? last.toInt() + 1 : kFirstHandle;
    app->setProperty(kLastHandleProperty, handle);
    widget.setProperty(kHandleProperty, handle);
    return handle;
}

QWidget* windowOfHandle(std::int32_t handle)
{
    if (handle == 0 || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    for (QWidget* widget : QApplication::allWidgets()) {
        const QVariant kept = widget->property(kHandleProperty);
        if (kept.isValid() && kept.toInt() == handle)
            return widget;
    }
    return nullptr;
}

} // namespace sheerpane
