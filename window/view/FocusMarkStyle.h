#pragma once
// The window's style with a focus mark that always shows: the check box, the
// option buttons and the buttons draw a dotted rectangle in their caption's
// colour, and the combo box a dark frame, whenever they have the focus. The
// desktop styles draw theirs only after a Tab that Qt saw itself, which the
// form model's own focus moves never are, and in a colour lost on the green.
// The program runs with it as its application style.

#include <QProxyStyle>

namespace window::view {

class FocusMarkStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Wraps a new instance of the named style (by default the application's).
    explicit FocusMarkStyle(const QString& base = {});

    // Gives the widget the focus mark: the application's own style when it
    // is this one (the program sets it), else one instance shared by all.
    static void applyTo(QWidget& widget);

    // The menu bar's overflow icons are read when first drawn.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

} // namespace window::view
