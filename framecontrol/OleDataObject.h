#pragma once
// The data of an OLE drag and drop, over Qt's mime data: formats by their
// clipboard numbers. The drag source's object may be filled and cleared (in
// OLEStartDrag and OLESetData); a drop target's object only reads.

#include <cstdint>
#include <optional>

#include <QStringList>
#include <QVariant>

class QMimeData;

namespace framecontrol {

class DragMimeData;

enum OleClipboardFormat : std::int16_t {
    vbCFText = 1,
    vbCFBitmap = 2,
    vbCFMetafile = 3,
    vbCFDIB = 8,
    vbCFPalette = 9,
    vbCFEMetafile = 14,
    vbCFFiles = 15,
    vbCFRTF = -16639,
};

// Drop effects, the same bits as Qt::DropAction's copy, move and link.
enum OleDropEffect : std::int32_t {
    vbDropEffectNone = 0,
    vbDropEffectCopy = 1,
    vbDropEffectMove = 2,
    vbDropEffectLink = 4,
};

// The clipboard format carried under a mime type (text, bitmap, files, rich
// text); 0 for others.
std::int16_t clipboardFormatOf(const QString& mimeType);

class OleDataObject {
public:
    explicit OleDataObject(const QMimeData* data);    // reads only
    explicit OleDataObject(DragMimeData* data);       // the drag source's

    bool GetFormat(std::int16_t format) const;
    // Text (QString), bitmap (QImage), files (QStringList of paths), rich text
    // (QString). Throws PlatformError for a format the data lacks.
    QVariant GetData(std::int16_t format) const;
    // With a value: stores it (the format follows from the value when not
    // given). Without: announces the format, whose data OLESetData supplies
    // when a target asks for it.
    void SetData(const QVariant& value = {}, std::optional<std::int16_t> format = {});
    void Clear();
    QStringList Files() const;

    const QMimeData* mimeData() const noexcept { return read_; }

private:
    void requireWritable() const;

    const QMimeData* read_;
    DragMimeData* write_ = nullptr;
};

} // namespace framecontrol
