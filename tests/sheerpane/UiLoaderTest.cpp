// The library as a Qt Designer plugin: QUiLoader builds a Sheerpane from a
// .ui file with the properties it holds, and the control, in a running
// program, shows the form behind it.

#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QUiLoader>
#include <QWidget>

namespace {

struct UiLoader : testing::Test {
    QUiLoader loader;
    std::unique_ptr<QWidget> form;

    void SetUp() override
    {
        // Only the plugin just built, whatever is installed on the machine.
        loader.clearPluginPaths();
        loader.addPluginPath(QStringLiteral(SHEERPANE_PLUGIN_DIR));
        QFile file(QStringLiteral(SHEERPANE_FORMS_DIR "/odds.ui"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        form.reset(loader.load(&file));
        ASSERT_NE(form, nullptr) << loader.errorString().toStdString();
    }

    QWidget* pane(const char* name) const { return form->findChild<QWidget*>(QString::fromLatin1(name)); }

    static void settle(const std::function<bool()>& done)
    {
        QElapsedTimer timer;
        timer.start();
        while (!done() && timer.elapsed() < 2000)
            QApplication::processEvents();
    }
};

TEST_F(UiLoader, BuildsASheerpaneAndNotAFallbackFrame)
{
    EXPECT_TRUE(loader.availableWidgets().contains(QStringLiteral("Sheerpane")));
    QWidget* odds = pane("oddsPane");
    ASSERT_NE(odds, nullptr);
    // Without the plugin QUiLoader quietly makes a QFrame instead.
    EXPECT_STREQ(odds->metaObject()->className(), "Sheerpane");
    EXPECT_STREQ(pane("betPane")->metaObject()->className(), "Sheerpane");
}

TEST_F(UiLoader, TheFormsPropertiesReachTheControl)
{
    QWidget* odds = pane("oddsPane");
    form->show();
    EXPECT_EQ(odds->property("Caption").toString(), QStringLiteral("Pot odds"));
    EXPECT_EQ(odds->property("BackColor").toUInt(), 65280U);
    EXPECT_EQ(odds->property("BackStyle").toInt(), 0);
    EXPECT_EQ(odds->property("BorderStyle").toInt(), 1);
    EXPECT_EQ(odds->property("Appearance").toInt(), 0);
    EXPECT_EQ(odds->property("FontSize").toDouble(), 11.5);
    EXPECT_TRUE(odds->property("FontBold").toBool());
    EXPECT_EQ(odds->property("MousePointer").toInt(), 2);
    EXPECT_EQ(odds->cursor().shape(), Qt::CrossCursor);
    // The label is the form's own control, inside the frame.
    auto* label = form->findChild<QLabel*>(QStringLiteral("odds"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), odds);
    EXPECT_EQ(odds->property("Controls").value<QList<QWidget*>>(), QList<QWidget*>{label});
    // And the control saves what the form gave it (the name, unset, is the
    // caption's default: only what differs is kept).
    QString saved;
    ASSERT_TRUE(QMetaObject::invokeMethod(odds, "WriteProperties", Q_RETURN_ARG(QString, saved)));
    EXPECT_TRUE(saved.contains(QStringLiteral("Caption = \"Pot odds\""))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("BackColor = colour 0x0000FF00"))) << saved.toStdString();
    EXPECT_TRUE(saved.contains(QStringLiteral("Appearance = 0"))) << saved.toStdString();
    EXPECT_FALSE(saved.contains(QStringLiteral("BackStyle"))) << saved.toStdString();
}

TEST_F(UiLoader, InARunningProgramATransparentPaneShowsTheFormAndAnOpaqueOneItsColour)
{
    QWidget* odds = pane("oddsPane");
    QWidget* bet = pane("betPane");
    form->show();
    const QRgb red = qRgb(200, 40, 40);
    const QRgb green = qRgb(0, 255, 0);
    const auto middle = [](QWidget* w) { return w->grab().toImage().pixel(w->width() / 2, w->height() / 2); };
    settle([&] { return middle(odds) == red; });
    EXPECT_EQ(middle(odds), red);
    EXPECT_EQ(middle(bet), green);
}

} // namespace
