// Pictures of the windows as they are drawn, written for a person to look at
// (to TABLEWISE_SCREENSHOT_DIR): the main window empty and after a whole
// advice, and the About window. Each is also checked where the picture must
// show something particular.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include "ViewFixture.h"
#include "help/basHtmlHelp.h"
#include "platform/htmlhelp/HelpViewerWindow.h"
#include "platform/htmlhelp/QtHelpViewer.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/view/AboutDialog.h"

namespace viewtest {
namespace {

const QColor kGreen(5, 124, 19);

QString shotPath(const QString& name)
{
    const QString dir = qEnvironmentVariable("TABLEWISE_SCREENSHOT_DIR", QDir::tempPath());
    QDir().mkpath(dir);
    return dir + u'/' + name;
}

class Screenshots : public ViewTest {
protected:
    // The window's picture, and where its inner area starts in it.
    QImage shoot(const QString& name)
    {
        QApplication::processEvents();
        const QImage image = window->grab().toImage();
        EXPECT_TRUE(image.save(shotPath(name))) << qPrintable(shotPath(name));
        return image;
    }
    QColor innerPixel(const QImage& image, QPoint at) const
    {
        return image.pixelColor(window->innerArea()->mapTo(window.get(), at));
    }
};

TEST_F(Screenshots, MainWindowEmpty)
{
    const QImage image = shoot(QStringLiteral("main-empty.png"));
    EXPECT_EQ(image.size(), window->size());
    EXPECT_EQ(innerPixel(image, {3, 3}), kGreen);
    EXPECT_EQ(innerPixel(image, {3, 40}), kGreen); // a hidden label's place
    // The logo shows through the see-through frame: the ace of spades' card.
    EXPECT_EQ(innerPixel(image, {296, 130}).lightness() > 200, true);
    // The frame's options are green, beside their captions too.
    EXPECT_EQ(innerPixel(image, {94, 124}), kGreen);
}

TEST_F(Screenshots, MainWindowAfterAWholeAdvice)
{
    type("2");
    clickEnd("txtHoleCard");
    type("ak");
    click("chkSuited");
    click("optLate");
    click("optLimped");
    type("2");
    click("optIn");
    click("optRaisedPost");
    click("optHeadsUp");
    clickEnd("cmbPostFlop");
    for (int i = 0; i < 4; ++i)
        key(Qt::Key_Down);
    ASSERT_EQ(frm().lblGroup.caption(), "1");
    ASSERT_FALSE(frm().txtPreFlop.text().empty());
    ASSERT_FALSE(frm().txtFlop.text().empty());
    const QImage image = shoot(QStringLiteral("main-advice.png"));
    // The advice boxes hold text: dark pixels in their first line.
    bool preFlopInk = false;
    for (int x = 12; x < 200; ++x)
        preFlopInk = preFlopInk || innerPixel(image, {x, 306}).lightness() < 100;
    EXPECT_TRUE(preFlopInk);
}

// The focus mark of each kind of control, reached with Tab as a keyboard user
// does: one strip of the window around each focused control.
TEST_F(Screenshots, FocusMarks)
{
    const char* names[] = {"txtHoleCard", "chkSuited", "optEarly", "cmbPostFlop", "optOpened", "cmdResetPartial"};
    QList<QImage> strips;
    for (const char* name : names) {
        for (int tabs = 0; tabs < 30 && frm().form.focus() != frm().form.find(name); ++tabs)
            key(Qt::Key_Tab);
        ASSERT_EQ(frm().form.focus(), frm().form.find(name)) << name;
        QApplication::processEvents();
        const QRect around = QRect(widget(name)->mapTo(window.get(), QPoint(0, 0)), widget(name)->size())
                                 .adjusted(-8, -6, 8, 6);
        strips.append(window->grab(around).toImage());
    }
    int width = 0, height = 0;
    for (const QImage& strip : strips) {
        width = std::max(width, strip.width());
        height += strip.height();
    }
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(kGreen);
    QPainter painter(&sheet);
    int y = 0;
    for (const QImage& strip : strips) {
        painter.drawImage(0, y, strip);
        y += strip.height();
    }
    painter.end();
    EXPECT_TRUE(sheet.save(shotPath(QStringLiteral("focus-marks.png"))));
}

class HelpScreenshot : public Screenshots {
protected:
    platform::chm::QtHelpViewer viewer;
    help::HtmlHelpSession session{{&viewer, nullptr, &desktop.boxes, "Tablewise"}};
};

TEST_F(HelpScreenshot, HelpViewerOpenedFromTheMenu)
{
    window->menuAction("mnuContents")->trigger();
    platform::chm::HelpViewerWindow* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<platform::chm::HelpViewerWindow*>(w); v && v->isVisible())
            help = v;
    ASSERT_NE(help, nullptr);
    QApplication::processEvents();
    const QImage image = help->grab().toImage();
    EXPECT_TRUE(image.save(shotPath(QStringLiteral("help-viewer.png"))));
    EXPECT_FALSE(image.isNull());
}

TEST(AboutScreenshot, AboutWindow)
{
    Desktop desktop;
    window::FrmBrisvaneAbout about(desktop.ports());
    about.Form_Load();
    window::view::AboutDialog dialog(about, window::view::Metrics(1.0));
    dialog.show();
    QApplication::processEvents();
    const QImage image = dialog.grab().toImage();
    EXPECT_TRUE(image.save(shotPath(QStringLiteral("about.png"))));
    const QWidget* frame = dialog.controlWidget("Frame2");
    EXPECT_EQ(image.pixelColor(frame->mapTo(&dialog, QPoint(2, 2))), QColor(23, 124, 52));
    EXPECT_EQ(image.pixelColor(dialog.innerArea()->mapTo(&dialog, QPoint(370, 300))), kGreen);
}

} // namespace
} // namespace viewtest
