#include "window/view/PostFlopCombo.h"

#include <QAbstractItemView>
#include <QLineEdit>

namespace window::view {

PostFlopCombo::PostFlopCombo(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    // The window decides what the field holds: no completion, and Enter never
    // adds an item.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(32);
}

void PostFlopCombo::showPopup()
{
    QComboBox::showPopup();
    if (dropDownExtent_ <= height())
        return;
    QWidget* popup = view()->window();
    if (!popup || popup == window())
        return;
    const QPoint below = mapToGlobal(QPoint(0, height()));
    const int listHeight = dropDownExtent_ - height();
    popup->setGeometry(below.x(), below.y(), std::max(popup->width(), width()), listHeight);
}

} // namespace window::view
