#pragma once
// Mime data of a drag started by the frame: formats may be announced without
// data, and their data is asked for (through a callback) only when a drop
// target reads them.

#include <functional>
#include <set>

#include <QMimeData>

namespace framecontrol {

class DragMimeData : public QMimeData {
public:
    using Request = std::function<void(const QString& mimeType)>;

    void setRequestHandler(Request handler) { request_ = std::move(handler); }
    void announce(const QString& mimeType) { announced_.insert(mimeType); }
    void clearAll();

    bool hasFormat(const QString& mimeType) const override;
    QStringList formats() const override;

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    bool hasData(const QString& mimeType) const;

    std::set<QString> announced_;
    Request request_;
    mutable bool requesting_ = false;
};

} // namespace framecontrol
