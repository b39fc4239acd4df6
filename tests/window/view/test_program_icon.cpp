// The program's icon: drawn at every size the desktop asks of it, up to
// 256 pixels, on the windows it opens; and the scalable form installed beside
// them is a picture of the same square.

#include <gtest/gtest.h>

#include <QFile>
#include <QXmlStreamReader>

#include "ViewFixture.h"
#include "window/view/Artwork.h"

namespace viewtest {
namespace {

// Whether a picture shows something: some pixels opaque, some not.
bool drawn(const QImage& image)
{
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    return opaque > image.width() * image.height() / 2 && opaque < image.width() * image.height();
}

class IconSize : public ::testing::TestWithParam<int> {};

TEST_P(IconSize, IsDrawnAtItsOwnSize)
{
    const int size = GetParam();
    const QIcon icon = window::view::programIcon();
    EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size)));
    const QImage image = icon.pixmap(QSize(size, size)).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(image.size(), QSize(size, size));
    EXPECT_TRUE(drawn(image));
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconSize, ::testing::ValuesIn(window::view::kProgramIconSizes));

TEST_F(ViewTest, TheWindowsShowTheProgramIconAtItsLargestSize)
{
    window->menuAction("mnuStrategyChart")->trigger();
    window->menuAction("mnuCardsAndBoard")->trigger();
    for (QWidget* w : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(window->strategyChart()),
                       static_cast<QWidget*>(window->cardsAndBoard())}) {
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->windowIcon().availableSizes().contains(QSize(256, 256))) << w->windowTitle().toStdString();
    }
}

TEST(ScalableIcon, IsAnSvgPictureOfTheIconsSquare)
{
    QFile file(QStringLiteral(TABLEWISE_ART_DIR "/icon.svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 64 64"));
    int paths = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("path"))
            ++paths;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(paths, 2); // the two suits
}

} // namespace
} // namespace viewtest
