#include "framecontrol/OleDataObject.h"

#include <QImage>
#include <QUrl>

#include "framecontrol/DragMimeData.h"
#include "platform/PlatformError.h"
#include "platform/propertybag/PropertyErrors.h"

namespace framecontrol {

namespace {

constexpr long kErrFormatMismatch = 461;
constexpr long kErrDataObjectLocked = 672;

const QString kImageType = QStringLiteral("application/x-qt-image");
const QString kTextType = QStringLiteral("text/plain");
const QString kFilesType = QStringLiteral("text/uri-list");
const QString kRtfType = QStringLiteral("text/rtf");

// The mime type of a clipboard format; empty for formats that have none here.
QString mimeTypeOf(std::int16_t format)
{
    switch (format) {
    case vbCFText: return kTextType;
    case vbCFBitmap:
    case vbCFDIB: return kImageType;
    case vbCFFiles: return kFilesType;
    case vbCFRTF: return kRtfType;
    default: return {};
    }
}

} // namespace

std::int16_t clipboardFormatOf(const QString& mimeType)
{
    if (mimeType == kTextType)
        return vbCFText;
    if (mimeType == kImageType)
        return vbCFBitmap;
    if (mimeType == kFilesType)
        return vbCFFiles;
    if (mimeType == kRtfType)
        return vbCFRTF;
    return 0;
}

namespace {

[[noreturn]] void formatMismatch(std::int16_t format)
{
    throw platform::PlatformError(kErrFormatMismatch, "Specified format doesn't match format of data (" +
                                                          std::to_string(format) + ")");
}

std::int16_t formatOfValue(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::QString: return vbCFText;
    case QMetaType::QImage:
    case QMetaType::QPixmap: return vbCFBitmap;
    case QMetaType::QStringList: return vbCFFiles;
    default: throw platform::PlatformError(platform::kErrInvalidPropertyValue, "Invalid property value");
    }
}

} // namespace

OleDataObject::OleDataObject(const QMimeData* data) : read_(data) {}

OleDataObject::OleDataObject(DragMimeData* data) : read_(data), write_(data) {}

bool OleDataObject::GetFormat(std::int16_t format) const
{
    const QString type = mimeTypeOf(format);
    return read_ && !type.isEmpty() && read_->hasFormat(type);
}

QVariant OleDataObject::GetData(std::int16_t format) const
{
    if (!GetFormat(format))
        formatMismatch(format);
    switch (format) {
    case vbCFText: return read_->text();
    case vbCFBitmap:
    case vbCFDIB: return read_->imageData();
    case vbCFFiles: return Files();
    default: return QString::fromUtf8(read_->data(kRtfType));
    }
}

void OleDataObject::SetData(const QVariant& value, std::optional<std::int16_t> format)
{
    requireWritable();
    if (!value.isValid() && !format)
        throw platform::PlatformError(platform::kErrInvalidProcedureCall, "Invalid procedure call or argument");
    const std::int16_t chosen = format ? *format : formatOfValue(value);
    const QString type = mimeTypeOf(chosen);
    if (type.isEmpty())
        formatMismatch(chosen);
    if (!value.isValid()) {
        write_->announce(type);
        return;
    }
    switch (chosen) {
    case vbCFText: write_->setText(value.toString()); break;
    case vbCFBitmap:
    case vbCFDIB: write_->setImageData(value); break;
    case vbCFFiles: {
        QList<QUrl> urls;
        for (const QString& path : value.toStringList())
            urls.append(QUrl::fromLocalFile(path));
        write_->setUrls(urls);
        break;
    }
    default: write_->setData(kRtfType, value.toString().toUtf8()); break;
    }
}

void OleDataObject::Clear()
{
    requireWritable();
    write_->clearAll();
}

QStringList OleDataObject::Files() const
{
    QStringList paths;
    if (!read_)
        return paths;
    for (const QUrl& url : read_->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    return paths;
}

void OleDataObject::requireWritable() const
{
    if (!write_)
        throw platform::PlatformError(kErrDataObjectLocked, "DataObject formats list may not be cleared or expanded "
                                                            "outside of the OLEStartDrag event");
}

} // namespace framecontrol
