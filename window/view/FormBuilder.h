#pragma once
// Builds the widgets of a form's controls on a surface as designed: place,
// size, font, colours, focus policy and stacking, and binds each to its
// control of the model.
//
// Stacking: within a container a control created earlier lies in front of
// one created later, and labels and pictures lie behind the controls that are
// windows of their own.

#include <QHash>
#include <QPalette>
#include <QSize>
#include <QString>
#include <functional>
#include <span>

#include "window/model/Layout.h"
#include "window/view/Metrics.h"

class QWidget;

namespace window::view {

class FormBinding;

// The window's colours: the green of the forms, their white text.
inline constexpr QRgb kFormGreen = qRgb(5, 124, 19);
inline constexpr QRgb kFormText = qRgb(255, 255, 255);

// Makes `surface` a form's inner area: the form's colours, filled, at the
// designed size.
void makeFormSurface(QWidget& surface, QSize size);

class FormBuilder {
public:
    // Makes the widget of a control that needs one of its own, or returns null.
    using MakeWidget = std::function<QWidget*(const ControlLayout& layout, QWidget& parent)>;

    FormBuilder(const Metrics& metrics, FormBinding& binding) : metrics_(metrics), binding_(binding) {}

    // The surface is the window's inner area; the form's background colour is
    // the surface's palette Window colour.
    void build(QWidget& surface, std::span<const ControlLayout> layout, const MakeWidget& make = {});

    QWidget* widget(std::string_view name) const;

private:
    QWidget* makeDefault(const ControlLayout& layout, QWidget& parent) const;
    void stack(std::span<const ControlLayout> layout) const;

    const Metrics& metrics_;
    FormBinding& binding_;
    QHash<QString, QWidget*> widgets_;
};

} // namespace window::view
