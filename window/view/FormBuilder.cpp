#include "window/view/FormBuilder.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <algorithm>

#include "platform/form/TextControl.h"
#include "window/view/FocusMarkStyle.h"
#include "window/view/FormBinding.h"
#include "window/view/FormFrame.h"
#include "window/view/PostFlopCombo.h"
#include "platform/qt/QtText.h"
#include "platform/qt/SystemPalette.h"

namespace window::view {

namespace {

using platform::ControlKind;

using platform::qt::toQString;

bool isLightweight(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Picture;
}

bool takesFocus(ControlKind kind)
{
    constexpr ControlKind focusable[] = {ControlKind::TextBox, ControlKind::ComboBox, ControlKind::CheckBox,
                                         ControlKind::OptionButton, ControlKind::CommandButton};
    return std::ranges::find(focusable, kind) != std::end(focusable);
}

} // namespace

void makeFormSurface(QWidget& surface, QSize size)
{
    QPalette palette = surface.palette();
    palette.setColor(QPalette::Window, kFormGreen);
    palette.setColor(QPalette::WindowText, kFormText);
    surface.setPalette(palette);
    surface.setAutoFillBackground(true);
    surface.setFixedSize(size);
}

void FormBuilder::build(QWidget& surface, std::span<const ControlLayout> layout, const MakeWidget& make)
{
    const QPalette system = platform::qt::systemPalette();
    QPalette form = system;
    form.setColor(QPalette::Window, surface.palette().color(QPalette::Window));
    form.setColor(QPalette::WindowText, surface.palette().color(QPalette::WindowText));
    for (const ControlLayout& l : layout) {
        QWidget* parent = l.container.empty() ? &surface : widgets_.value(toQString(l.container));
        if (!parent)
            parent = &surface;
        QWidget* w = make ? make(l, *parent) : nullptr;
        if (!w)
            w = makeDefault(l, *parent);
        w->setObjectName(toQString(l.name));
        w->setGeometry(metrics_.rect(l.rect));
        w->setFont(metrics_.font(l.font));
        w->setFocusPolicy(takesFocus(l.kind) ? Qt::StrongFocus : Qt::NoFocus);
        switch (l.kind) {
        case ControlKind::TextBox:
            w->setPalette(system);
            break;
        case ControlKind::ComboBox:
        case ControlKind::CommandButton:
            w->setPalette(system);
            FocusMarkStyle::applyTo(*w);
            break;
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            FocusMarkStyle::applyTo(*w);
            // Windows of their own on the form's colours, whatever the
            // container they sit in paints.
            w->setPalette(form);
            w->setBackgroundRole(QPalette::Window);
            w->setAutoFillBackground(true);
            break;
        default:
            break;
        }
        widgets_.insert(toQString(l.name), w);
        if (platform::Control* c = binding_.form().find(l.name))
            binding_.bind(*c, *w);
    }
    stack(layout);
}

QWidget* FormBuilder::widget(std::string_view name) const
{
    return widgets_.value(toQString(name));
}

QWidget* FormBuilder::makeDefault(const ControlLayout& l, QWidget& parent) const
{
    const QString caption = toQString(l.caption);
    switch (l.kind) {
    case ControlKind::TextBox: {
        const auto* model = binding_.form().find(l.name);
        const bool multiLine = model && model->kind() == ControlKind::TextBox
            && static_cast<const platform::TextBox*>(model)->multiLine();
        if (!multiLine)
            return new QLineEdit(&parent);
        auto* box = new QPlainTextEdit(&parent);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        box->setUndoRedoEnabled(false);
        return box;
    }
    case ControlKind::ComboBox:
        return new PostFlopCombo(&parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, &parent);
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, &parent);
        // The model keeps its groups; Qt's exclusivity could not show "none".
        option->setAutoExclusive(false);
        return option;
    }
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, &parent);
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(caption, &parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Frame: {
        auto* frame = new FormFrame(&parent);
        frame->setCaption(caption);
        return frame;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(&parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    }
    return new QWidget(&parent);
}

void FormBuilder::stack(std::span<const ControlLayout> layout) const
{
    // Raising puts a widget on top of its siblings: raise the later ones
    // first, and the lightweight ones before all windows.
    for (const bool lightweight : {true, false}) {
        for (auto it = layout.rbegin(); it != layout.rend(); ++it) {
            if (isLightweight(it->kind) != lightweight)
                continue;
            if (QWidget* w = widget(it->name))
                w->raise();
        }
    }
}

} // namespace window::view
