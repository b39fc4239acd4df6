// OLE drag and drop over Qt's: the frame as a drop target (events sent to it
// directly) and the data of a drag it starts.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>

#include "FrameFixture.h"
#include "framecontrol/DragMimeData.h"
#include "platform/PlatformError.h"

namespace {

using namespace frametest;
using framecontrol::OleDataObject;
using framecontrol::UltiFrame;

struct DropTarget : testing::Test {
    void SetUp() override
    {
        frame = makeFrame();
        frame->setOLEDropMode(1);
        frame->show();
        mime.setText(QStringLiteral("AKs"));
        frame->OLEDragOver.connect([this](OleDataObject& data, std::int32_t& effect, std::int16_t& button,
                                          std::int16_t& shift, float& x, float& y, std::int16_t& state) {
            overs.push_back({data.GetFormat(framecontrol::vbCFText) ? data.GetData(framecontrol::vbCFText).toString()
                                                                     : QString(),
                             effect, button, shift, x, y, state});
            effect = answer;
        });
    }

    struct Over {
        QString text;
        std::int32_t effect;
        std::int16_t button, shift;
        float x, y;
        std::int16_t state;
    };

    std::unique_ptr<UltiFrame> frame;
    QMimeData mime;
    std::vector<Over> overs;
    std::int32_t answer = framecontrol::vbDropEffectCopy;
};

TEST_F(DropTarget, DragOverReportsEnterAndMoveAndTheHostsEffectDecides)
{
    QDragEnterEvent enter(QPoint(10, 20), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                          Qt::ShiftModifier);
    QApplication::sendEvent(frame.get(), &enter);
    ASSERT_EQ(overs.size(), 1u);
    EXPECT_EQ(overs[0].text, QStringLiteral("AKs"));
    EXPECT_EQ(overs[0].effect, 3);
    EXPECT_EQ(overs[0].button, 1);
    EXPECT_EQ(overs[0].shift, 1);
    EXPECT_EQ(overs[0].x, 150.0F);
    EXPECT_EQ(overs[0].y, 300.0F);
    EXPECT_EQ(overs[0].state, 0);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);

    answer = framecontrol::vbDropEffectNone;
    QDragMoveEvent refused(QPoint(11, 20), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_EQ(overs.back().state, 2);
    EXPECT_FALSE(refused.isAccepted());

    answer = framecontrol::vbDropEffectMove;
    QDragMoveEvent moved(QPoint(12, 20), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &moved);
    EXPECT_TRUE(moved.isAccepted());
    EXPECT_EQ(moved.dropAction(), Qt::MoveAction);

    QDragLeaveEvent leave;
    QApplication::sendEvent(frame.get(), &leave);
    EXPECT_EQ(overs.back().state, 1);
}

TEST_F(DropTarget, DropHandsTheDataOverAndTakesTheHostsEffect)
{
    QString dropped;
    float dropX = 0;
    frame->OLEDragDrop.connect([&](OleDataObject& data, std::int32_t& effect, std::int16_t&, std::int16_t&, float& x,
                                   float&) {
        dropped = data.GetData(framecontrol::vbCFText).toString();
        dropX = x;
        // A target reads only.
        EXPECT_THROW(data.SetData(QStringLiteral("x")), platform::PlatformError);
        EXPECT_THROW(data.GetData(framecontrol::vbCFFiles), platform::PlatformError);
        effect = framecontrol::vbDropEffectLink;
    });
    // Qt delivers a drop to the widget that took the drag when it entered.
    QDragEnterEvent enter(QPoint(4, 5), Qt::CopyAction | Qt::LinkAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    QDropEvent drop(QPointF(4, 5), Qt::CopyAction | Qt::LinkAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    EXPECT_EQ(dropped, QStringLiteral("AKs"));
    EXPECT_EQ(dropX, 60.0F);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::LinkAction);
}

TEST_F(DropTarget, DropModeNoneTakesNoDrops)
{
    frame->setOLEDropMode(0);
    EXPECT_FALSE(frame->acceptDrops());
}

TEST(DragSource, AnnouncedDataIsAskedForOnlyWhenATargetReadsIt)
{
    framecontrol::DragMimeData mime;
    OleDataObject source(&mime);
    source.SetData(QVariant(), framecontrol::vbCFText);
    source.SetData(QImage(4, 4, QImage::Format_RGB32));
    int asked = 0;
    mime.setRequestHandler([&](const QString& type) {
        ++asked;
        EXPECT_EQ(framecontrol::clipboardFormatOf(type), framecontrol::vbCFText);
        OleDataObject data(&mime);
        data.SetData(QStringLiteral("delayed"), framecontrol::vbCFText);
    });
    EXPECT_TRUE(mime.hasFormat(QStringLiteral("text/plain")));
    EXPECT_TRUE(mime.hasImage());
    EXPECT_EQ(asked, 0);
    const OleDataObject target(static_cast<const QMimeData*>(&mime));
    EXPECT_EQ(target.GetData(framecontrol::vbCFText).toString(), QStringLiteral("delayed"));
    EXPECT_EQ(target.GetData(framecontrol::vbCFText).toString(), QStringLiteral("delayed"));
    EXPECT_EQ(asked, 1);

    source.Clear();
    EXPECT_FALSE(target.GetFormat(framecontrol::vbCFText));
    EXPECT_THROW(source.SetData(QVariant(), framecontrol::vbCFMetafile), platform::PlatformError);
    source.SetData(QStringList{QStringLiteral("/tmp/a.txt")});
    EXPECT_EQ(target.Files(), QStringList{QStringLiteral("/tmp/a.txt")});
}

TEST(DragSource, StartDragFillsTheDataAndNoAllowedEffectCancels)
{
    auto frame = makeFrame();
    int started = 0;
    int completed = 0;
    std::int32_t startEffects = -1;
    frame->OLEStartDrag.connect([&](OleDataObject& data, std::int32_t& allowed) {
        ++started;
        startEffects = allowed;
        data.SetData(QStringLiteral("AKs"));
        allowed = framecontrol::vbDropEffectNone;
    });
    frame->OLECompleteDrag.connect([&](std::int32_t&) { ++completed; });
    frame->OLEDrag();
    EXPECT_EQ(started, 1);
    EXPECT_EQ(startEffects, framecontrol::vbDropEffectCopy | framecontrol::vbDropEffectMove);
    EXPECT_EQ(completed, 0);
}

} // namespace
