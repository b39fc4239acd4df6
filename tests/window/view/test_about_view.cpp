// The About window on screen: laid out as designed, OK the only control with
// the focus, the address colour following the pointer's moves, the links,
// unloading, and a fresh load at each showing from the Help menu.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QLabel>
#include <QTimer>

#include "CaptionFit.h"
#include "ViewFixture.h"
#include "window/model/FrmBrisvaneAbout.h"
#include "window/view/AboutDialog.h"
#include "window/view/FormFrame.h"

namespace viewtest {
namespace {

const QColor kBlue(0, 0, 255);
const QColor kWhite(255, 255, 255);

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        about.Form_Load();
        dialog = std::make_unique<window::view::AboutDialog>(about, window::view::Metrics(1.0));
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    QWidget* widget(const char* name) const { return dialog->controlWidget(name); }
    QPoint inDialog(const char* name, QPoint at) const { return widget(name)->mapTo(dialog.get(), at); }
    void moveTo(QPoint inDialogPoint) { QTest::mouseMove(dialog->windowHandle(), inDialogPoint); }
    void clickOn(const char* name, std::optional<QPoint> at = std::nullopt)
    {
        QTest::mouseClick(dialog->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          inDialog(name, at.value_or(widget(name)->rect().center())));
    }
    QColor addressColour() const { return widget("Label1")->palette().color(QPalette::WindowText); }

    Desktop desktop;
    window::FrmBrisvaneAbout about{desktop.ports()};
    std::unique_ptr<window::view::AboutDialog> dialog;
};

TEST_F(AboutTest, LaidOutAsDesigned)
{
    EXPECT_EQ(dialog->innerArea()->size(), QSize(376, 512));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Brisvane Tablewise"));
    EXPECT_FALSE(dialog->windowIcon().pixmap(64).isNull());
    EXPECT_EQ(dialog->innerArea()->palette().color(QPalette::Window), QColor(5, 124, 19));
    auto* frame = static_cast<window::view::FormFrame*>(widget("Frame2"));
    EXPECT_FALSE(frame->bordered());
    EXPECT_EQ(frame->palette().color(QPalette::Window), QColor(23, 124, 52));

    struct {
        const char* name;
        QRect place;
        const char* family;
        int pixels;
        QString text;
    } const cases[] = {
        {"cmbClose", {136, 464, 89, 25}, "Liberation Sans", 11, QStringLiteral("OK")},
        {"Frame2", {88, 200, 201, 41}, "Liberation Sans", 11, QString()},
        {"Label1", {104, 208, 160, 27}, "Liberation Sans", 13, QStringLiteral("BRISVANE.EXAMPLE")},
        {"lblDeveloped", {8, 288, 225, 17}, "Liberation Sans", 11, QStringLiteral("Written by the Tablewise developers")},
        {"lblVersion", {8, 272, 97, 17}, "Liberation Sans", 11, QStringLiteral("Version 1.0.8")},
        {"lblAbout", {8, 256, 361, 17}, "Liberation Serif", 13, QStringLiteral("Brisvane Tablewise")},
        {"Image1", {72, 0, 221, 200}, "Liberation Sans", 11, QString()},
    };
    for (const auto& c : cases) {
        QWidget* w = widget(c.name);
        EXPECT_EQ(QRect(w->mapTo(dialog->innerArea(), QPoint(0, 0)), w->size()), c.place) << c.name;
        const QFontInfo font(w->font());
        EXPECT_EQ(font.family(), QString::fromLatin1(c.family)) << c.name;
        EXPECT_EQ(font.pixelSize(), c.pixels) << c.name;
        if (auto* label = qobject_cast<QLabel*>(w); label && !c.text.isNull()) {
            EXPECT_EQ(label->text(), c.text) << c.name;
        }
    }
    EXPECT_TRUE(widget("Label1")->font().underline());
    EXPECT_EQ(addressColour(), kWhite);
    EXPECT_FALSE(static_cast<QLabel*>(widget("Image1"))->pixmap().isNull());
    for (const char* name : {"Frame2", "Label1", "Image1"})
        EXPECT_EQ(widget(name)->cursor().shape(), Qt::BitmapCursor) << name;
    expectCaptionsFit(*dialog->innerArea());
}

TEST_F(AboutTest, OnlyOkTakesTheFocus)
{
    EXPECT_EQ(QApplication::focusWidget(), widget("cmbClose"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    clickOn("lblVersion");
    clickOn("lblAbout");
    EXPECT_EQ(QApplication::focusWidget(), widget("cmbClose"));
    EXPECT_FALSE(about.form.closed());
}

TEST_F(AboutTest, TheAddressColourFollowsThePointersMovesOnly)
{
    const QPoint overAddress = inDialog("Label1", widget("Label1")->rect().center());
    const QPoint overFrame = inDialog("Frame2", QPoint(4, 4));
    const QPoint outside = inDialog("lblAbout", QPoint(300, 8));
    moveTo(overAddress);
    EXPECT_EQ(addressColour(), kBlue);
    moveTo(overFrame);
    EXPECT_EQ(addressColour(), kWhite);
    moveTo(overAddress);
    moveTo(outside); // straight out, never over the frame
    EXPECT_EQ(addressColour(), kBlue);
    moveTo(overFrame);
    EXPECT_EQ(addressColour(), kWhite);
}

TEST_F(AboutTest, TheAddressAndTheLogoOpenTheSite)
{
    clickOn("Label1");
    clickOn("Image1");
    clickOn("Frame2", QPoint(4, 4)); // the frame around the address leads nowhere
    EXPECT_EQ(desktop.shell.targets, (std::vector<std::string>{"https://brisvane.example/", "https://brisvane.example/"}));
    desktop.shell.succeed = false;
    clickOn("Image1");
    ASSERT_EQ(desktop.boxes.calls.size(), 1u);
    EXPECT_EQ(desktop.boxes.calls[0].prompt, "Error occured");
    EXPECT_EQ(desktop.boxes.calls[0].title, "Tablewise");
}

struct CloseCase {
    const char* name;
    std::function<void(window::view::AboutDialog&)> close;
};

class AboutClosing : public AboutTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutClosing, UnloadsTheWindow)
{
    GetParam().close(*dialog);
    EXPECT_TRUE(about.form.closed());
    EXPECT_FALSE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, AboutClosing,
    ::testing::Values(CloseCase{"OkClicked",
                                [](window::view::AboutDialog& d) {
                                    QWidget* ok = d.controlWidget("cmbClose");
                                    QTest::mouseClick(d.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                                                      ok->mapTo(&d, ok->rect().center()));
                                }},
                      CloseCase{"EnterOnOk", [](window::view::AboutDialog&) {
                                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                                }},
                      CloseCase{"Escape", [](window::view::AboutDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
                      CloseCase{"CloseButton", [](window::view::AboutDialog& d) { d.close(); }}),
    [](const ::testing::TestParamInfo<CloseCase>& c) { return std::string(c.param.name); });

TEST_F(ViewTest, AboutIsModalAndLoadedAfreshAtEachShowing)
{
    std::vector<QString> versions;
    std::vector<QColor> addressAtLoad;
    for (int showing = 0; showing < 2; ++showing) {
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<window::view::AboutDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            EXPECT_TRUE(about->isModal());
            versions.push_back(static_cast<QLabel*>(about->controlWidget("lblVersion"))->text());
            QWidget* address = about->controlWidget("Label1");
            addressAtLoad.push_back(address->palette().color(QPalette::WindowText));
            // Leave it blue, then OK.
            QTest::mouseMove(about->windowHandle(), address->mapTo(about, address->rect().center()));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        });
        window->menuAction("mnuAbout")->trigger();
    }
    EXPECT_EQ(versions, (std::vector<QString>{QStringLiteral("Version 1.0.8"), QStringLiteral("Version 1.0.8")}));
    EXPECT_EQ(addressAtLoad, (std::vector<QColor>{kWhite, kWhite}));
}

} // namespace
} // namespace viewtest
