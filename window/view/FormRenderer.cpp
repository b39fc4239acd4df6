#include "window/view/FormRenderer.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "platform/form/StaticControls.h"
#include "platform/form/ToggleControls.h"
#include "platform/qt/QtText.h"
#include "window/view/FormFrame.h"
#include "window/view/PostFlopCombo.h"
#include "window/view/TextMapping.h"

namespace window::view {

namespace {

using platform::ControlKind;

bool showsItems(const QComboBox& combo, const std::vector<std::string>& items)
{
    if (combo.count() != static_cast<int>(items.size()))
        return false;
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i) != platform::qt::toQString(items[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

} // namespace

FormRenderer::FormRenderer(platform::Form& form, const std::vector<std::unique_ptr<BoundControl>>& bound)
    : form_(form), bound_(bound)
{
    inputDoneId_ = form_.inputDone.connect([this] { render(); });
}

FormRenderer::~FormRenderer()
{
    form_.inputDone.disconnect(inputDoneId_);
}

QWidget* FormRenderer::widgetOf(const platform::Control& control) const
{
    for (const auto& b : bound_)
        if (b->control == &control)
            return b->widget;
    return nullptr;
}

void FormRenderer::render()
{
    const bool wasRendering = rendering_;
    rendering_ = true;
    for (const auto& b : bound_)
        showControl(*b);
    showFocus();
    rendering_ = wasRendering;
}

void FormRenderer::showControl(const Bound& b)
{
    const platform::Control& c = *b.control;
    QWidget* w = b.widget;
    const QSignalBlocker block(w);
    if (w->isHidden() == c.visible())
        w->setVisible(c.visible());

    switch (c.kind()) {
    case ControlKind::TextBox:
    case ControlKind::ComboBox: {
        const auto& box = static_cast<const platform::TextControl&>(c);
        if (c.kind() == ControlKind::ComboBox) {
            auto* combo = qobject_cast<QComboBox*>(w);
            const auto& model = static_cast<const platform::ComboBox&>(c);
            if (combo && !showsItems(*combo, model.items())) {
                combo->clear();
                for (const std::string& item : model.items())
                    combo->addItem(platform::qt::toQString(item));
            }
            if (combo && combo->currentIndex() != model.listIndex())
                combo->setCurrentIndex(model.listIndex());
            if (auto* postFlop = qobject_cast<PostFlopCombo*>(w))
                postFlop->setDropDownExtent(model.dropDownHeight());
        }
        if (!b.text)
            break;
        const QSignalBlocker blockText(b.text->widget());
        const TextMapping mapping(box.text(), isMultiLine(c));
        b.text->show(mapping, mapping.toDisplay(box.selStart()), mapping.toDisplay(box.selStart() + box.selLength()));
        break;
    }
    case ControlKind::CheckBox:
        if (auto* check = qobject_cast<QCheckBox*>(w)) {
            const int value = static_cast<const platform::CheckBox&>(c).value();
            const Qt::CheckState state = value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
            if (state == Qt::PartiallyChecked)
                check->setTristate(true);
            check->setCheckState(state);
        }
        break;
    case ControlKind::OptionButton:
        if (auto* option = qobject_cast<QRadioButton*>(w))
            option->setChecked(static_cast<const platform::OptionButton&>(c).value());
        break;
    case ControlKind::Label:
        if (auto* label = qobject_cast<QLabel*>(w)) {
            const QString caption = platform::qt::toQString(static_cast<const platform::Label&>(c).caption());
            if (label->text() != caption)
                label->setText(caption);
        }
        break;
    case ControlKind::CommandButton:
        if (auto* button = qobject_cast<QPushButton*>(w))
            button->setText(platform::qt::toQString(static_cast<const platform::CommandButton&>(c).caption()));
        break;
    case ControlKind::Frame:
        if (auto* frame = qobject_cast<FormFrame*>(w))
            frame->setCaption(platform::qt::toQString(static_cast<const platform::Frame&>(c).caption()));
        break;
    case ControlKind::Picture:
        break;
    }
}

void FormRenderer::showFocus()
{
    const platform::Control* focus = form_.focus();
    QWidget* w = focus ? widgetOf(*focus) : nullptr;
    if (!w || QApplication::activePopupWidget())
        return;
    QWidget* target = w->focusProxy() ? w->focusProxy() : w;
    if (QApplication::focusWidget() == target || target->window()->focusWidget() == target)
        return;
    target->setFocus(Qt::OtherFocusReason);
}

} // namespace window::view
