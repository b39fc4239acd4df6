#pragma once
// The viewer window of one help file: a navigation pane with the contents,
// the index and the full-text search, the page on the right, and Back,
// Forward and Home. It has a window handle from the process registry; it is
// deleted when it closes, and it never keeps the program running.

#include <QHash>
#include <QMainWindow>
#include <cstdint>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace platform::chm {

class HelpFile;
class TopicBrowser;
class TopicSearch;
struct SitemapEntry;

class HelpViewerWindow final : public QMainWindow {
    Q_OBJECT
public:
    HelpViewerWindow(std::unique_ptr<HelpFile> file, QWidget* parent = nullptr);
    ~HelpViewerWindow() override;

    std::intptr_t handle() const noexcept { return handle_; }
    const HelpFile& helpFile() const noexcept { return *file_; }

    // The viewer's commands. showTopic takes an archive path and an optional
    // "#anchor"; it shows nothing and returns false for a page not in the file.
    void showContents();
    void showIndex(const QString& keyword);
    void showSearch(const QString& query, bool execute);
    bool showTopic(const QString& archivePath);
    void bringToFront();
    // Makes the viewer a window owned by `owner`'s window, which window
    // managers keep it above and minimise it with; null leaves the owner.
    void setOwner(QWidget* owner);

    // The parts, for tests and the screenshot.
    TopicBrowser& browser() const noexcept { return *browser_; }
    QTabWidget& navigation() const noexcept { return *tabs_; }
    QTreeWidget& contentsTree() const noexcept { return *contents_; }
    QLineEdit& indexField() const noexcept { return *indexField_; }
    QListWidget& indexList() const noexcept { return *indexList_; }
    QLineEdit& searchField() const noexcept { return *searchField_; }
    QListWidget& searchResults() const noexcept { return *searchResults_; }
    // What the index and the search say when nothing matches.
    QLabel& indexMessage() const noexcept { return *indexMessage_; }
    QLabel& searchMessage() const noexcept { return *searchMessage_; }

signals:
    void closed(std::intptr_t handle);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildContents();
    void buildIndex();
    void addContentsItems(QTreeWidgetItem* parent, const std::vector<SitemapEntry>& entries);
    void selectIndexEntry(const QString& text);
    void openIndexEntry();
    void runSearch();
    void openSearchHit();
    void showFirstPageOnce();
    void followPageInContents(const QUrl& page);
    void releaseHandle();

    std::unique_ptr<HelpFile> file_;
    std::unique_ptr<TopicSearch> search_; // built on the first search
    std::intptr_t handle_ = 0;
    TopicBrowser* browser_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexField_ = nullptr;
    QListWidget* indexList_ = nullptr;
    QLineEdit* searchField_ = nullptr;
    QListWidget* searchResults_ = nullptr;
    QLabel* indexMessage_ = nullptr;
    QLabel* searchMessage_ = nullptr;
    // The first contents entry of each page, by archive path.
    QHash<QString, QTreeWidgetItem*> contentsByTopic_;
};

} // namespace platform::chm
