#include "platform/htmlhelp/HelpViewerWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "platform/handles/WindowHandleRegistry.h"
#include "platform/htmlhelp/HelpFile.h"
#include "platform/htmlhelp/TopicBrowser.h"
#include "platform/htmlhelp/TopicSearch.h"
#include "platform/qt/QtText.h"

namespace platform::chm {

namespace {

constexpr int kTopicRole = Qt::UserRole;

using platform::qt::toQString;

// Splits "path#anchor".
std::pair<QString, QString> splitAnchor(const QString& link)
{
    const qsizetype hash = link.indexOf(QLatin1Char('#'));
    if (hash < 0)
        return {link, {}};
    return {link.left(hash), link.mid(hash + 1)};
}

// A widget of the navigation pane, named for finding it, added below the
// ones before it.
template <typename Widget>
Widget* addNamed(QVBoxLayout& layout, const QString& name)
{
    auto* widget = new Widget;
    widget->setObjectName(name);
    layout.addWidget(widget);
    return widget;
}

} // namespace

HelpViewerWindow::HelpViewerWindow(std::unique_ptr<HelpFile> file, QWidget* parent)
    : QMainWindow(parent, Qt::Window), file_(std::move(file))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(file_->title().empty() ? tr("Help") : toQString(file_->title()));
    // Wide enough for the help file's widest page (a command line of the
    // cards and board page) beside the navigation pane, and still within a
    // screen 1024 pixels wide.
    resize(960, 640);

    browser_ = new TopicBrowser(*file_, this);
    browser_->setObjectName(QStringLiteral("topic"));

    auto* toolbar = addToolBar(tr("Navigation"));
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* back = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction* forward = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction* home = toolbar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    back->setObjectName(QStringLiteral("back"));
    forward->setObjectName(QStringLiteral("forward"));
    back->setEnabled(false);
    forward->setEnabled(false);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { showTopic(toQString(file_->defaultTopic())); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

    tabs_ = new QTabWidget;
    contents_ = new QTreeWidget;
    contents_->setHeaderHidden(true);
    contents_->setObjectName(QStringLiteral("contents"));
    tabs_->addTab(contents_, tr("Contents"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->addWidget(new QLabel(tr("Type in the keyword to find:")));
    indexField_ = addNamed<QLineEdit>(*indexLayout, QStringLiteral("indexKeyword"));
    indexMessage_ = addNamed<QLabel>(*indexLayout, QStringLiteral("indexMessage"));
    indexMessage_->setWordWrap(true);
    indexMessage_->hide();
    indexList_ = addNamed<QListWidget>(*indexLayout, QStringLiteral("indexList"));
    auto* display = new QPushButton(tr("Display"));
    indexLayout->addWidget(display, 0, Qt::AlignRight);
    tabs_->addTab(indexPage, tr("Index"));

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(new QLabel(tr("Type in the word(s) to search for:")));
    searchField_ = addNamed<QLineEdit>(*searchLayout, QStringLiteral("searchQuery"));
    auto* listTopics = new QPushButton(tr("List Topics"));
    searchLayout->addWidget(listTopics, 0, Qt::AlignRight);
    searchLayout->addWidget(new QLabel(tr("Select topic to display:")));
    searchMessage_ = addNamed<QLabel>(*searchLayout, QStringLiteral("searchMessage"));
    searchMessage_->setWordWrap(true);
    searchMessage_->hide();
    searchResults_ = addNamed<QListWidget>(*searchLayout, QStringLiteral("searchResults"));
    tabs_->addTab(searchPage, tr("Search"));

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 720});
    setCentralWidget(splitter);

    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !item->data(0, kTopicRole).toString().isEmpty())
            showTopic(item->data(0, kTopicRole).toString());
    });
    // The browser tells the new page before it answers with it.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpViewerWindow::followPageInContents);
    connect(indexField_, &QLineEdit::textEdited, this, &HelpViewerWindow::selectIndexEntry);
    connect(indexField_, &QLineEdit::returnPressed, this, &HelpViewerWindow::openIndexEntry);
    connect(indexList_, &QListWidget::itemActivated, this, &HelpViewerWindow::openIndexEntry);
    connect(display, &QPushButton::clicked, this, &HelpViewerWindow::openIndexEntry);
    connect(searchField_, &QLineEdit::returnPressed, this, &HelpViewerWindow::runSearch);
    connect(listTopics, &QPushButton::clicked, this, &HelpViewerWindow::runSearch);
    connect(searchResults_, &QListWidget::itemActivated, this, &HelpViewerWindow::openSearchHit);

    buildContents();
    buildIndex();

    handle_ = WindowHandleRegistry::process().allocate(
        [this](unsigned message, std::intptr_t, std::intptr_t) -> std::intptr_t {
            if (message == WmClose)
                close();
            return 0;
        });
}

HelpViewerWindow::~HelpViewerWindow()
{
    releaseHandle();
}

void HelpViewerWindow::releaseHandle()
{
    if (handle_ == 0)
        return;
    const std::intptr_t handle = handle_;
    WindowHandleRegistry::process().release(handle);
    handle_ = 0;
    emit closed(handle);
}

void HelpViewerWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    // The handle names no window from now on, as a closed window is gone.
    releaseHandle();
}

void HelpViewerWindow::buildContents()
{
    addContentsItems(nullptr, file_->contents());
    contents_->expandToDepth(0);
}

void HelpViewerWindow::addContentsItems(QTreeWidgetItem* parent, const std::vector<SitemapEntry>& entries)
{
    for (const SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
        item->setText(0, toQString(entry.name));
        if (!entry.locals.empty()) {
            item->setData(0, kTopicRole, toQString(entry.locals.front()));
            if (const auto path = file_->findFile(entry.locals.front()); path && !contentsByTopic_.contains(toQString(*path)))
                contentsByTopic_.insert(toQString(*path), item);
        }
        const QStyle::StandardPixmap icon = entry.children.empty() ? QStyle::SP_FileIcon : QStyle::SP_DirIcon;
        item->setIcon(0, style()->standardIcon(icon));
        addContentsItems(item, entry.children);
    }
}

void HelpViewerWindow::buildIndex()
{
    // Keywords in alphabetical order, sub-keywords indented under theirs.
    struct Row {
        QString text;
        QString topic;
        QString sortKey;
    };
    std::vector<Row> rows;
    for (const SitemapEntry& entry : file_->index()) {
        const QString name = toQString(entry.name);
        rows.push_back({name, entry.locals.empty() ? QString() : toQString(entry.locals.front()), name.toLower()});
        for (const SitemapEntry& sub : entry.children) {
            const QString subName = toQString(sub.name);
            rows.push_back({QStringLiteral("    ") + subName, sub.locals.empty() ? QString() : toQString(sub.locals.front()),
                            name.toLower() + QLatin1Char('\x01') + subName.toLower()});
        }
    }
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.sortKey < b.sortKey; });
    for (const Row& row : rows) {
        auto* item = new QListWidgetItem(row.text, indexList_);
        item->setData(kTopicRole, row.topic);
    }
}

void HelpViewerWindow::selectIndexEntry(const QString& text)
{
    const QString wanted = text.trimmed().toLower();
    indexMessage_->hide();
    if (wanted.isEmpty())
        return;
    for (int i = 0; i < indexList_->count(); ++i) {
        QListWidgetItem* item = indexList_->item(i);
        if (item->text().trimmed().toLower().startsWith(wanted)) {
            indexList_->setCurrentItem(item);
            indexList_->scrollToItem(item, QAbstractItemView::PositionAtTop);
            return;
        }
    }
    indexList_->setCurrentItem(nullptr);
    indexMessage_->setText(tr("No keyword begins with \"%1\".").arg(text.trimmed()));
    indexMessage_->show();
}

void HelpViewerWindow::openIndexEntry()
{
    if (QListWidgetItem* item = indexList_->currentItem())
        showTopic(item->data(kTopicRole).toString());
}

void HelpViewerWindow::runSearch()
{
    if (!search_)
        search_ = std::make_unique<TopicSearch>(*file_);
    searchResults_->clear();
    for (const TopicSearch::Hit& hit : search_->find(searchField_->text().toStdString())) {
        auto* item = new QListWidgetItem(hit.title.empty() ? toQString(hit.topic) : toQString(hit.title), searchResults_);
        item->setData(kTopicRole, toQString(hit.topic));
    }
    if (searchResults_->count() > 0)
        searchResults_->setCurrentRow(0);
    const QString query = searchField_->text().trimmed();
    searchMessage_->setText(tr("No topic holds \"%1\".").arg(query));
    searchMessage_->setVisible(searchResults_->count() == 0 && !query.isEmpty());
}

void HelpViewerWindow::openSearchHit()
{
    if (QListWidgetItem* item = searchResults_->currentItem())
        showTopic(item->data(kTopicRole).toString());
}

// The contents show where the page is, however it was reached.
void HelpViewerWindow::followPageInContents(const QUrl& page)
{
    const auto path = file_->findFile(page.path().toStdString());
    QTreeWidgetItem* item = path ? contentsByTopic_.value(toQString(*path)) : nullptr;
    const QSignalBlocker blocker(contents_);
    contents_->clearSelection();
    contents_->setCurrentItem(item);
    if (item) {
        item->setSelected(true);
        contents_->scrollToItem(item);
    }
}

void HelpViewerWindow::showFirstPageOnce()
{
    if (browser_->currentTopic().isEmpty())
        showTopic(toQString(file_->defaultTopic()));
}

void HelpViewerWindow::showContents()
{
    tabs_->setCurrentWidget(contents_);
    showFirstPageOnce();
}

void HelpViewerWindow::showIndex(const QString& keyword)
{
    tabs_->setCurrentIndex(1);
    indexField_->setText(keyword);
    selectIndexEntry(keyword);
    indexField_->setFocus();
    showFirstPageOnce();
}

void HelpViewerWindow::showSearch(const QString& query, bool execute)
{
    tabs_->setCurrentIndex(2);
    if (!query.isEmpty())
        searchField_->setText(query);
    if (execute && !searchField_->text().trimmed().isEmpty())
        runSearch();
    searchField_->setFocus();
    showFirstPageOnce();
}

bool HelpViewerWindow::showTopic(const QString& link)
{
    const auto [path, anchor] = splitAnchor(link);
    const auto found = file_->findFile(path.toStdString());
    if (!found)
        return false;
    browser_->setSource(TopicBrowser::urlOf(toQString(*found), anchor));
    return true;
}

void HelpViewerWindow::bringToFront()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void HelpViewerWindow::setOwner(QWidget* owner)
{
    if (!owner || owner->window() == this || owner->window() == parentWidget())
        return;
    // A new parent hides the window: it keeps its place and size, and shows
    // again when brought to the front.
    // An owned window of the X11 desktop is a transient one, which Qt makes of
    // dialog-type windows only; the buttons stay those of a main window.
    const QRect placed = geometry();
    setParent(owner->window(), Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                   | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setGeometry(placed);
}

} // namespace platform::chm
