// The demo as a person would start it: it registers the library, makes the
// control through the registry and the class factory and places it over the
// picture. Its screenshots (see-through, opaque, and the bare picture) are
// written beside the build for people to look at.

#include <gtest/gtest.h>

#include <filesystem>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>

#include "sheerpane/registry/Registry.h"
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

// Deal puts new cards on the felt, and the see-through frame shows them: its
// captured background is taken anew, as the bare table with the same deal.
TEST_F(Demo, DealPutsNewCardsBehindTheSeeThroughFrame)
{
    const Shot before = run(QStringLiteral("before-deal"), {QStringLiteral("--back-style"),
                                                            QStringLiteral("transparent")});
    const Shot dealt = run(QStringLiteral("dealt"), {QStringLiteral("--back-style"), QStringLiteral("transparent"),
                                                     QStringLiteral("--deals"), QStringLiteral("1")});
    const Shot bareDealt = run(QStringLiteral("bare-dealt"), {QStringLiteral("--no-control"),
                                                              QStringLiteral("--deals"), QStringLiteral("1")});
    ASSERT_FALSE(dealt.control.isEmpty());
    int open = 0;
    int changed = 0;
    for (int y = dealt.control.top(); y <= dealt.control.bottom(); ++y)
        for (int x = dealt.control.left(); x <= dealt.control.right(); ++x) {
            if (!inOpenInterior(dealt.control, x, y))
                continue;
            ++open;
            ASSERT_EQ(dealt.image.pixel(x, y), bareDealt.image.pixel(x, y)) << x << "," << y;
            changed += dealt.image.pixel(x, y) != before.image.pixel(x, y) ? 1 : 0;
        }
    EXPECT_GT(changed, 200); // the cards in the middle of the table
    EXPECT_LT(changed, open / 4); // and nothing else
}

// The caption stands on the control's face colour, not on the felt.
TEST_F(Demo, TheCaptionCanBeReadOnTheFelt)
{
    const Shot clear = run(QStringLiteral("caption"), {QStringLiteral("--back-style"), QStringLiteral("transparent"),
                                                       QStringLiteral("--caption"), QStringLiteral("Pot odds")});
    const Shot opaque = run(QStringLiteral("caption-opaque"), {QStringLiteral("--back-style"),
                                                               QStringLiteral("opaque")});
    ASSERT_FALSE(clear.control.isEmpty());
    const QRgb face = opaque.image.pixel(opaque.control.right() - 20, opaque.control.center().y());
    int onFace = 0;
    int dark = 0;
    const QRect caption(clear.control.left() + 12, clear.control.top() + 1, 40, 8);
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x) {
            const QRgb pixel = clear.image.pixel(x, y);
            onFace += pixel == face ? 1 : 0;
            dark += qGray(pixel) < 64 ? 1 : 0;
        }
    EXPECT_GT(onFace, caption.width() * caption.height() / 3);
    EXPECT_GT(dark, 10); // the letters
}

// The demo registers the control only while it runs: nothing it added stays,
// and a registration made before it is left as it was.
TEST_F(Demo, TakesOutOnlyTheRegistrationItMade)
{
    const fs::path file = data / "control-registry" / "registry";
    run(QStringLiteral("registered"), {QStringLiteral("--border-style"), QStringLiteral("none")});
    const sheerpane::Registry after = fs::exists(file) ? sheerpane::loadRegistry(file) : sheerpane::Registry{};
    EXPECT_EQ(after.find("ProgIDs/SheerpaneLib.Sheerpane"), nullptr);
    EXPECT_EQ(sheerpane::writeRegistryText(after).find("Classes/"), std::string::npos)
        << sheerpane::writeRegistryText(after);

    // Registered before, by the library itself, beside another control.
    ::setenv("XDG_DATA_HOME", data.c_str(), 1);
    void* library = dlopen(SHEERPANE_LIBRARY_FILE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Call = long (*)();
    const auto registerServer = reinterpret_cast<Call>(dlsym(library, "DllRegisterServer"));
    ASSERT_NE(registerServer, nullptr);
    EXPECT_EQ(registerServer(), 0);
    sheerpane::updateRegistry(file, [](sheerpane::Registry& registry) {
        sheerpane::RegistrySection other;
        other.path = "ProgIDs/Other.Control";
        other.values.push_back({"Class", {sheerpane::RegistryItem{std::string("{00000000-0000-0000-0000-000000000001}")}}});
        registry.put(other);
        return true;
    });
    const std::string before = sheerpane::writeRegistryText(sheerpane::loadRegistry(file));
    run(QStringLiteral("registered-before"), {});
    EXPECT_EQ(sheerpane::writeRegistryText(sheerpane::loadRegistry(file)), before);
    fs::remove(QStringLiteral(SHEERPANE_SHOTS_DIR "/sheerpane-demo-registered.png").toStdString());
    fs::remove(QStringLiteral(SHEERPANE_SHOTS_DIR "/sheerpane-demo-registered-before.png").toStdString());
}

// Nor the folders it made for the registration: a data folder of its own,
// or a home with no data folder yet, is as the demo found it.
TEST_F(Demo, LeavesNoFolderItMade)
{
    struct Case {
        const char* name;
        bool dataHome; // XDG_DATA_HOME names a folder of its own
    };
    for (const Case c : {Case{"home", false}, Case{"data-home", true}}) {
        SCOPED_TRACE(c.name);
        const fs::path home = data / "home";
        fs::create_directories(home);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), QString::fromStdString(home.string()));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("XDG_DATA_HOME"));
        const fs::path dataHome = data / "data";
        if (c.dataHome) {
            fs::create_directories(dataHome);
            environment.insert(QStringLiteral("XDG_DATA_HOME"), QString::fromStdString(dataHome.string()));
        }
        // Qt and the font cache keep their own folders: only the data folder
        // is the demo's.
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), QString::fromStdString((data / "cache").string()));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString((data / "config").string()));
        const QString shot = QStringLiteral(SHEERPANE_SHOTS_DIR "/sheerpane-demo-folders.png");
        QProcess demo;
        demo.setProcessEnvironment(environment);
        demo.start(QStringLiteral(SHEERPANE_DEMO), {QStringLiteral("--screenshot"), shot});
        ASSERT_TRUE(demo.waitForFinished(30000));
        EXPECT_EQ(demo.exitCode(), 0) << demo.readAllStandardError().toStdString();
        EXPECT_FALSE(fs::exists(home / ".local")) << "the home holds .local";
        if (c.dataHome) {
            EXPECT_TRUE(fs::is_empty(dataHome));
        }
        fs::remove(shot.toStdString());
        fs::remove_all(data);
    }
}

} // namespace
