#include "sheerpane/CaptionLabel.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "platform/draw/FontConvert.h"
#include "platform/draw/SystemColours.h"
#include "platform/propertybag/Ambient.h"

namespace sheerpane {

namespace {

constexpr std::uint32_t kTextColour = 0x80000012; // button text

} // namespace

CaptionLabel::CaptionLabel(QWidget* parent, BackgroundPainter background)
    : QWidget(parent), background_(std::move(background))
{
    // The platform's standard control font, with every attribute set, so
    // that nothing of the owner's font comes through.
    setFont(platform::draw::toQFont(platform::Ambient{}.font));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    fitToText();
}

void CaptionLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    fitToText();
    update();
}

void CaptionLabel::fitToText()
{
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(caption_), metrics.height());
}

void CaptionLabel::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    if (background_)
        background_(painter, event->rect());
    platform::draw::ColourRef rgb = 0;
    platform::draw::OleTranslateColor(kTextColour, rgb);
    painter.setPen(platform::draw::toQColor(rgb));
    painter.setFont(font());
    painter.drawText(QPoint(0, QFontMetrics(font()).ascent()), caption_);
}

} // namespace sheerpane
