#include "framecontrol/DragMimeData.h"

namespace framecontrol {

void DragMimeData::clearAll()
{
    announced_.clear();
    clear();
}

// Whether data was stored under the type (the base class's list, not ours).
bool DragMimeData::hasData(const QString& mimeType) const
{
    return QMimeData::formats().contains(mimeType);
}

bool DragMimeData::hasFormat(const QString& mimeType) const
{
    return announced_.count(mimeType) > 0 || hasData(mimeType);
}

QStringList DragMimeData::formats() const
{
    QStringList all = QMimeData::formats();
    for (const QString& type : announced_)
        if (!all.contains(type))
            all.append(type);
    return all;
}

QVariant DragMimeData::retrieveData(const QString& mimeType, QMetaType type) const
{
    if (!hasData(mimeType) && announced_.count(mimeType) > 0 && request_ && !requesting_) {
        requesting_ = true;
        request_(mimeType);
        requesting_ = false;
    }
    return QMimeData::retrieveData(mimeType, type);
}

} // namespace framecontrol
