// The ports on screen: message boxes with the buttons and icon asked for, and
// web addresses handed to the desktop.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
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

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "test_qt_ports.moc"
