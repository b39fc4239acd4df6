// The ports on screen: message boxes with the buttons and icon asked for, and
// web addresses handed to the desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtShellOpen.h"

using namespace platform;

namespace {

struct BoxCase {
    const char* name;
    unsigned style;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton press;
    int result;
};

void PrintTo(const BoxCase& c, std::ostream* out)
{
    *out << c.name;
}

class MessageBoxes : public ::testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxes, ShowTheStyleAndAnswerWithTheButtonPressed)
{
    const BoxCase& c = GetParam();
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Tablewise"));
        EXPECT_EQ(box->text(), QStringLiteral("Error occured\nsecond line"));
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->standardButtons(), c.buttons);
        box->button(c.press)->click();
    });
    QtMessageBox port;
    EXPECT_EQ(port.show("Error occured\r\nsecond line", c.style, "Tablewise"), c.result);
    EXPECT_TRUE(seen);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MessageBoxes,
    ::testing::Values(BoxCase{"OkOnly", MbOkOnly, QMessageBox::NoIcon, QMessageBox::Ok, QMessageBox::Ok, MbResultOk},
                      BoxCase{"ExclamationOk", MbOkOnly | MbExclamation, QMessageBox::Warning, QMessageBox::Ok,
                              QMessageBox::Ok, MbResultOk},
                      BoxCase{"OkCancel", MbOkCancel | MbCritical, QMessageBox::Critical,
                              QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, MbResultCancel},
                      BoxCase{"YesNo", MbYesNo | MbQuestion, QMessageBox::Question,
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No, MbResultNo}),
    [](const ::testing::TestParamInfo<BoxCase>& c) { return std::string(c.param.name); });

class UrlReceiver : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

TEST(ShellOpen, HandsWebAddressesToTheDesktopAndRefusesWhatIsNoAddress)
{
    UrlReceiver receiver;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &receiver, "open");
    QtShellOpen shell;
    EXPECT_TRUE(shell.open("https://brisvane.example/"));
    EXPECT_FALSE(shell.open(""));
    EXPECT_FALSE(shell.open("no address at all"));
    EXPECT_EQ(receiver.opened, QList<QUrl>{QUrl(QStringLiteral("https://brisvane.example/"))});
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

// The box for a link no browser opened: the title whole on a desktop's title
// bar (about 110 pixels wide, its title showed as ".."), the prompt whole,
// and the reason below it.
struct TitleCase {
    const char* name;
    const char* title;
    const char* reason;
};

void PrintTo(const TitleCase& c, std::ostream* out)
{
    *out << c.name;
}

class BoxSize : public ::testing::TestWithParam<TitleCase> {};

TEST_P(BoxSize, ShowsTheWholeTitlePromptAndReason)
{
    const TitleCase& c = GetParam();
    const auto box = makeMessageBox("Error occured", MbOkOnly, c.title, c.reason, nullptr);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    EXPECT_EQ(box->text(), QStringLiteral("Error occured"));
    EXPECT_EQ(box->informativeText(), QString::fromUtf8(c.reason));

    // A title bar a little over two lines high, with an icon and three
    // buttons about as wide as it is high, and the title in a bold face.
    QFont titleFace = QApplication::font("QMdiSubWindowTitleBar");
    titleFace.setBold(true);
    const QFontMetrics title(titleFace);
    const int bar = 2 * title.height();
    EXPECT_GE(box->width(), title.horizontalAdvance(QString::fromUtf8(c.title)) + 4 * bar) << box->width();

    for (QLabel* label : box->findChildren<QLabel*>()) {
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, label->width(), 10000),
                                                               Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.height(), label->height()) << label->text().toStdString();
        EXPECT_LE(needed.width(), label->width()) << label->text().toStdString();
        EXPECT_TRUE(box->rect().contains(QRect(label->mapTo(box.get(), QPoint(0, 0)), label->size())));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Titles, BoxSize,
    ::testing::Values(TitleCase{"ProgramTitle", "Brisvane Tablewise", "No browser was found."},
                      TitleCase{"ShortTitle", "Help", "The program runs without a desktop."},
                      TitleCase{"LongReason", "Brisvane Tablewise",
                                "No browser was found: xdg-open is not installed and BROWSER names no browser, so the "
                                "page cannot be shown; install a browser or set BROWSER to one."}),
    [](const ::testing::TestParamInfo<TitleCase>& c) { return std::string(c.param.name); });

TEST(BoxSize, ABoxWithoutAReasonHasNoSecondText)
{
    const auto box = makeMessageBox("Error occured", MbOkOnly, "Brisvane Tablewise", {}, nullptr);
    EXPECT_TRUE(box->informativeText().isEmpty());
}

// The port shows the reason it is given, under the program's title.
TEST(MessageBoxReason, TheShownBoxCarriesTheReason)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = true;
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Brisvane Tablewise"));
        EXPECT_EQ(box->text(), QStringLiteral("Error occured"));
        EXPECT_EQ(box->informativeText(), QStringLiteral("No browser was found."));
        box->button(QMessageBox::Ok)->click();
    });
    QtMessageBox port;
    EXPECT_EQ(port.showWithReason("Error occured", MbOkOnly, "Brisvane Tablewise", "No browser was found."), MbResultOk);
    EXPECT_TRUE(seen);
}

struct RefusalCase {
    const char* name;
    const char* platform;
    bool opener;
    const char* browser;
    const char* names; // what the reason must name
};

void PrintTo(const RefusalCase& c, std::ostream* out)
{
    *out << c.name;
}

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, NameWhatTheDesktopLacked)
{
    const RefusalCase& c = GetParam();
    const std::string reason =
        desktopRefusalReason(QString::fromUtf8(c.platform), c.opener, QString::fromUtf8(c.browser));
    EXPECT_NE(reason.find(c.names), std::string::npos) << reason;
    EXPECT_EQ(reason.back(), '.');
}

INSTANTIATE_TEST_SUITE_P(
    Desktops, Refusals,
    ::testing::Values(RefusalCase{"NoDisplay", "offscreen", true, "", "without a desktop"},
                      RefusalCase{"MinimalDisplay", "minimal", false, "", "\"minimal\""},
                      RefusalCase{"NoOpenerNoBrowser", "xcb", false, "", "xdg-open is not installed"},
                      RefusalCase{"BrowserVariableNamesNothing", "xcb", false, "nosuchbrowser", "\"nosuchbrowser\""},
                      RefusalCase{"OpenerFailed", "wayland", true, "", "xdg-open, could not be started"}),
    [](const ::testing::TestParamInfo<RefusalCase>& c) { return std::string(c.param.name); });

// Without a handler of its own for the scheme, the offscreen platform opens
// nothing, and the port says why; an address that is none says so too.
TEST(ShellOpen, SaysWhyItOpenedNothing)
{
    QtShellOpen shell;
    EXPECT_FALSE(shell.open("https://brisvane.example/"));
    EXPECT_NE(shell.refusalReason().find("offscreen"), std::string::npos) << shell.refusalReason();
    EXPECT_FALSE(shell.open("no address at all"));
    EXPECT_EQ(shell.refusalReason(), "\"no address at all\" is not a web address.");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "test_qt_ports.moc"
