#include "CaptionFit.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "FrameControlFacts.h"
#include "window/view/FormFrame.h"

namespace viewtest {

namespace {

// Room the widget's own parts take beside its text.
int besideText(const QWidget& w)
{
    const QStyle* style = w.style();
    if (qobject_cast<const QRadioButton*>(&w))
        return style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, &w)
            + style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, &w);
    if (qobject_cast<const QCheckBox*>(&w))
        return style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &w)
            + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, &w);
    if (qobject_cast<const QPushButton*>(&w))
        return 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &w);
    return 0;
}

QString captionOf(const QWidget& w)
{
    if (auto* label = qobject_cast<const QLabel*>(&w))
        return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&w))
        return button->text();
    if (auto* frame = qobject_cast<const window::view::FormFrame*>(&w))
        return frame->captionRect().isEmpty() ? QString() : frame->caption();
    return {};
}

} // namespace

void expectCaptionsFit(const QWidget& root)
{
    int checked = 0;
    for (const QWidget* w : root.findChildren<const QWidget*>()) {
        if (w->isHidden())
            continue;
        if (const auto frame = frameControlFacts(*w)) {
            // The frame control measures and places its own caption.
            ++checked;
            const int captionWidth = QFontMetrics(frame->font).horizontalAdvance(QString::fromStdString(frame->caption));
            EXPECT_GE(frame->captionRect.width(), captionWidth) << qPrintable(w->objectName());
            EXPECT_LE(frame->captionRect.right(), w->width() - 3) << qPrintable(w->objectName());
            continue;
        }
        const QFontMetrics fm(w->font());
        if (qobject_cast<const QLineEdit*>(w) && w->objectName().size() > 0) {
            EXPECT_LE(fm.height() + 4, w->height()) << qPrintable(w->objectName());
            continue;
        }
        const QString caption = captionOf(*w);
        if (caption.isEmpty())
            continue;
        ++checked;
        if (auto* frame = qobject_cast<const window::view::FormFrame*>(w)) {
            EXPECT_LE(frame->captionRect().right(), w->width() - 3) << qPrintable(w->objectName());
            continue;
        }
        EXPECT_LE(besideText(*w) + fm.horizontalAdvance(caption), w->width())
            << qPrintable(w->objectName()) << ": " << qPrintable(caption);
        EXPECT_LE(fm.height(), w->height()) << qPrintable(w->objectName());
    }
    EXPECT_GT(checked, 0);
}

} // namespace viewtest
