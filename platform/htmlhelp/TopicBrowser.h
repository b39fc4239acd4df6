#pragma once
// Shows the pages of a help file: pages, style sheets and images come from
// the archive through "chm:" addresses, relative links are followed within
// it, and addresses outside it go to the desktop's browser.

#include <QTextBrowser>

namespace platform::chm {

class HelpFile;

class TopicBrowser final : public QTextBrowser {
    Q_OBJECT
public:
    TopicBrowser(const HelpFile& file, QWidget* parent = nullptr);

    // "chm:/topics/main.htm" for the archive path "/topics/main.htm".
    static QUrl urlOf(const QString& archivePath, const QString& fragment = {});
    // The archive path shown now ("" before the first page).
    QString currentTopic() const;

    QVariant loadResource(int type, const QUrl& name) override;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    const HelpFile& file_;
};

} // namespace platform::chm
