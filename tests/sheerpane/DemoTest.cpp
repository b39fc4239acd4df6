// The demo as a person would start it: it registers the library, makes the
// control through the registry and the class factory and places it over the
// picture. Its screenshots (see-through, opaque, and the bare picture) are
// written beside the build for people to look at.

#include <gtest/gtest.h>

#include <filesystem>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <unistd.h>

#include "sheerpane/registry/RegistryFile.h"

namespace {

namespace fs = std::filesystem;

struct Shot {
    QImage image;
    QRect control;
};

struct Demo : testing::Test {
    fs::path data = fs::temp_directory_path() / ("sheerpane-demo-" + std::to_string(::getpid()));

    void SetUp() override { fs::remove_all(data); }
    void TearDown() override { fs::remove_all(data); }

    Shot run(const QString& name, const QStringList& options)
    {
        const QString file = QStringLiteral(SHEERPANE_SHOTS_DIR "/sheerpane-demo-%1.png").arg(name);
        QProcess demo;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(data.string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        demo.setProcessEnvironment(environment);
        demo.start(QStringLiteral(SHEERPANE_DEMO), QStringList(options) << QStringLiteral("--screenshot") << file);
        EXPECT_TRUE(demo.waitForFinished(30000));
        EXPECT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
        const QStringList where = QString::fromUtf8(demo.readAllStandardOutput()).split(QLatin1Char(' '));
        Shot shot;
        shot.image = QImage(file).convertToFormat(QImage::Format_RGB32);
        if (where.size() == 5)
            shot.control = QRect(where[1].toInt(), where[2].toInt(), where[3].toInt(), where[4].toInt());
        return shot;
    }
};

// Inside the frame, away from its border, caption and the form's controls
// in it (a label at 24,40 and a button at 24,160).
bool inOpenInterior(const QRect& control, int x, int y)
{
    const QRect inside = control.adjusted(4, 24, -4, -4);
    const QRect label(control.x() + 24, control.y() + 40, 200, 24);
    const QRect button(control.x() + 24, control.y() + 160, 90, 30);
    return inside.contains(x, y) && !label.contains(x, y) && !button.contains(x, y);
}

TEST_F(Demo, SeeThroughShowsThePictureBehindAndOpaqueCoversIt)
{
    const Shot bare = run(QStringLiteral("bare"), {QStringLiteral("--no-control")});
    const Shot clear = run(QStringLiteral("see-through"), {QStringLiteral("--back-style"), QStringLiteral("transparent"),
                                                           QStringLiteral("--caption"), QStringLiteral("Pot odds")});
    const Shot opaque = run(QStringLiteral("opaque"), {QStringLiteral("--back-style"), QStringLiteral("opaque"),
                                                       QStringLiteral("--caption"), QStringLiteral("Pot odds")});
    ASSERT_FALSE(bare.image.isNull());
    ASSERT_EQ(clear.image.size(), bare.image.size());
    ASSERT_EQ(opaque.image.size(), bare.image.size());
    const QRect control = clear.control;
    ASSERT_EQ(control, opaque.control);
    ASSERT_FALSE(control.isEmpty());

    int open = 0;
    int differing = 0;
    const QRgb face = opaque.image.pixel(control.right() - 20, control.center().y());
    for (int y = control.top(); y <= control.bottom(); ++y)
        for (int x = control.left(); x <= control.right(); ++x) {
            if (!inOpenInterior(control, x, y))
                continue;
            ++open;
            ASSERT_EQ(clear.image.pixel(x, y), bare.image.pixel(x, y)) << x << "," << y;
            ASSERT_EQ(opaque.image.pixel(x, y), face) << x << "," << y;
            differing += bare.image.pixel(x, y) != face ? 1 : 0;
        }
    EXPECT_GT(open, 40000);
    EXPECT_GT(differing, open / 2); // the picture really is covered
    // The etched border stands on both: its left lines are not the picture.
    const int midY = control.center().y();
    EXPECT_NE(clear.image.pixel(control.left(), midY), bare.image.pixel(control.left(), midY));
    EXPECT_NE(clear.image.pixel(control.left() + 1, midY), bare.image.pixel(control.left() + 1, midY));
    // Outside the control nothing changed.
    EXPECT_EQ(clear.image.copy(0, 0, control.left(), clear.image.height()),
              bare.image.copy(0, 0, control.left(), bare.image.height()));
}

TEST_F(Demo, LeavesTheControlRegisteredForThisUser)
{
    run(QStringLiteral("registered"), {QStringLiteral("--border-style"), QStringLiteral("none")});
    const sheerpane::Registry registry = sheerpane::loadRegistry(data / "control-registry" / "registry");
    ASSERT_NE(registry.find("ProgIDs/SheerpaneLib.Sheerpane"), nullptr);
    fs::remove(QStringLiteral(SHEERPANE_SHOTS_DIR "/sheerpane-demo-registered.png").toStdString());
}

} // namespace
