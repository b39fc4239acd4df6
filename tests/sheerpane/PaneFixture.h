#pragma once
// A form with a picture painted on it, where every pixel's colour is a known
// function of its position, and a Sheerpane placed on it.

#include <memory>
#include <string>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "platform/draw/FontConvert.h"
#include "platform/draw/SystemColours.h"
#include "sheerpane/Sheerpane.h"
#include "tests/support/FramePixels.h"

namespace panetest {

// The form's own picture: no two pixels in a row or a column alike.
inline QRgb patternAt(int x, int y)
{
    return qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF);
}

class PatternForm : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++paints;
        QImage image(size(), QImage::Format_RGB32);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                image.setPixel(x, y, patternAt(x, y));
        QPainter(this).drawImage(0, 0, image);
    }
};

inline platform::Ambient ambient(bool userMode, std::string name = "Sheerpane1")
{
    platform::Ambient a;
    a.userMode = userMode;
    a.displayName = std::move(name);
    a.font = platform::FontDesc{"DejaVu Sans", 9};
    return a;
}

using testsupport::pixelOf;

// Runs pending events until the condition holds (at most a second).
template <class Condition>
bool settle(Condition condition)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition() && timer.elapsed() < 1000)
        QApplication::processEvents();
    return condition();
}

inline void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// A 320 x 240 form holding a Sheerpane of 160 x 100 at (40, 30).
struct FormWithPane {
    std::unique_ptr<PatternForm> form = std::make_unique<PatternForm>();
    Sheerpane* pane = nullptr;

    explicit FormWithPane(bool userMode = true, const platform::PropertyBag& bag = {})
    {
        form->resize(320, 240);
        pane = new Sheerpane(form.get());
        pane->setGeometry(40, 30, 160, 100);
        pane->setAmbient(ambient(userMode));
        pane->ReadProperties(bag);
    }

    QImage formPixels(const QRect& area) const
    {
        return form->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

// Gives every saved property a value other than its default, in the order
// of the property table.
inline void setEveryProperty(Sheerpane& pane)
{
    pane.setBackColor(0x00112233);
    pane.setForeColor(0x80000008);
    pane.setEnabled(false);
    pane.setFont(platform::draw::toQFont(platform::FontDesc{"Liberation Sans", 11}));
    pane.setBorderStyle(Sheerpane::None);
    pane.setCaption(QStringLiteral("Pot \"odds\"\r\nline two"));
    pane.setAppearance(Sheerpane::Flat);
    pane.setFontUnderline(true);
    pane.setFontTransparent(false);
    pane.setFontStrikethru(true);
    pane.setFontSize(10.5);
    pane.setFontName(QStringLiteral("Liberation Serif"));
    pane.setFontItalic(true);
    pane.setFontBold(true);
    pane.setMouseIcon(platform::draw::toPicture(QImage(4, 4, QImage::Format_RGB32), 1, 2));
    pane.setMousePointer(99);
    pane.setBackStyle(Sheerpane::Opaque);
}

inline QImage render(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace panetest
