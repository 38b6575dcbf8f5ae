#include "help/widgets/help_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QUrl>
#include <QVBoxLayout>

#include "help/help_topics.h"
#include "base/screen_fit.h"
#include "base/widgets/window_placement.h"

namespace tolvane {

namespace {

constexpr int kTargetRole = Qt::UserRole;

QString fromUtf8(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QToolButton* navigationButton(QWidget* parent, const char* name, QStyle::StandardPixmap icon,
                              const char* text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setIcon(parent->style()->standardIcon(icon));
    b->setText(QString::fromLatin1(text));
    b->setToolTip(QString::fromLatin1(text));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    return b;
}

}  // namespace

HelpWindow::HelpWindow(const std::string& helpDirectory, QWidget* parent)
    : QWidget(parent, Qt::Window),
      index_(HelpIndex::load(helpDirectory)),
      dir_(QDir(fromUtf8(helpDirectory)).absolutePath()) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Tolvane Help"));
    resize(980, 680);

    BackButton = navigationButton(this, "BackButton", QStyle::SP_ArrowBack, "Back");
    ForwardButton = navigationButton(this, "ForwardButton", QStyle::SP_ArrowForward, "Forward");
    HomeButton = navigationButton(this, "HomeButton", QStyle::SP_DirHomeIcon, "Contents");
    auto* bar = new QHBoxLayout;
    bar->addWidget(BackButton);
    bar->addWidget(ForwardButton);
    bar->addWidget(HomeButton);
    bar->addStretch(1);

    Browser = new QTextBrowser(this);
    Browser->setObjectName(QStringLiteral("Browser"));
    Browser->setSearchPaths({dir_});
    Browser->setOpenExternalLinks(true);
    BackButton->setEnabled(false);
    ForwardButton->setEnabled(false);
    connect(BackButton, &QToolButton::clicked, Browser, &QTextBrowser::backward);
    connect(ForwardButton, &QToolButton::clicked, Browser, &QTextBrowser::forward);
    connect(HomeButton, &QToolButton::clicked, this, &HelpWindow::showContents);
    connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QToolButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardButton, &QToolButton::setEnabled);
    // Links, back and forward: the history changes with every page shown.
    connect(Browser, &QTextBrowser::historyChanged, this, &HelpWindow::pageShown);

    Tabs = new QTabWidget(this);
    Tabs->setObjectName(QStringLiteral("Tabs"));

    ContentsTree = new QTreeWidget(this);
    ContentsTree->setObjectName(QStringLiteral("ContentsTree"));
    ContentsTree->setHeaderHidden(true);
    Tabs->addTab(ContentsTree, QStringLiteral("Contents"));

    auto* indexPage = new QWidget(this);
    IndexEdit = new QLineEdit(indexPage);
    IndexEdit->setObjectName(QStringLiteral("IndexEdit"));
    IndexEdit->setPlaceholderText(QStringLiteral("Type a keyword"));
    IndexTree = new QTreeWidget(indexPage);
    IndexTree->setObjectName(QStringLiteral("IndexTree"));
    IndexTree->setHeaderHidden(true);
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(IndexEdit);
    indexLayout->addWidget(IndexTree);
    Tabs->addTab(indexPage, QStringLiteral("Index"));

    auto* searchPage = new QWidget(this);
    SearchEdit = new QLineEdit(searchPage);
    SearchEdit->setObjectName(QStringLiteral("SearchEdit"));
    SearchEdit->setPlaceholderText(QStringLiteral("Words to find"));
    SearchEdit->setClearButtonEnabled(true);
    SearchResults = new QListWidget(searchPage);
    SearchResults->setObjectName(QStringLiteral("SearchResults"));
    auto* searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(SearchEdit);
    searchLayout->addWidget(SearchResults);
    Tabs->addTab(searchPage, QStringLiteral("Search"));

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(Tabs);
    split->addWidget(Browser);
    split->setStretchFactor(1, 1);
    split->setSizes({280, 700});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    buildContents();
    buildIndex();
    // A tab with a field takes the keys at once.
    connect(Tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (QWidget* field = tab == 1 ? IndexEdit : tab == 2 ? SearchEdit : nullptr)
            field->setFocus();
    });
    connect(ContentsTree, &QTreeWidget::itemActivated, this, &HelpWindow::openItem);
    connect(ContentsTree, &QTreeWidget::itemClicked, this, &HelpWindow::openItem);
    connect(IndexTree, &QTreeWidget::itemActivated, this, &HelpWindow::openItem);
    connect(IndexTree, &QTreeWidget::itemClicked, this, &HelpWindow::openItem);
    connect(IndexEdit, &QLineEdit::textChanged, this, &HelpWindow::filterIndex);
    connect(IndexEdit, &QLineEdit::returnPressed, this, [this] {
        for (int i = 0; i < IndexTree->topLevelItemCount(); ++i)
            if (QTreeWidgetItem* item = IndexTree->topLevelItem(i); !item->isHidden()) {
                IndexTree->setCurrentItem(item);
                openItem(item);
                return;
            }
    });
    // Enter opens the best page found.
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] {
        runSearch();
        if (SearchResults->count() == 0) return;
        SearchResults->setCurrentRow(0);
        Q_EMIT SearchResults->itemActivated(SearchResults->item(0));
    });
    connect(SearchEdit, &QLineEdit::textChanged, this, &HelpWindow::runSearch);
    connect(SearchResults, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        openTarget(item->data(kTargetRole).toString());
        // The first place of the first word, marked.
        const QStringList words = SearchEdit->text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!words.isEmpty()) Browser->find(words.first());
    });
    connect(SearchResults, &QListWidget::itemClicked, SearchResults, &QListWidget::itemActivated);
}

void HelpWindow::buildContents() {
    std::vector<QTreeWidgetItem*> parents;
    for (const ContentsEntry& e : index_.contents()) {
        const int level = std::min<int>(e.level, int(parents.size()));
        parents.resize(level);
        auto* item = parents.empty() ? new QTreeWidgetItem(ContentsTree)
                                     : new QTreeWidgetItem(parents.back());
        item->setText(0, fromUtf8(e.title));
        item->setData(0, kTargetRole, fromUtf8(e.target));
        parents.push_back(item);
    }
    // Top level open: the chapters at a glance.
    for (int i = 0; i < ContentsTree->topLevelItemCount(); ++i)
        ContentsTree->topLevelItem(i)->setExpanded(true);
}

void HelpWindow::pageShown() {
    const QString title = Browser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Tolvane Help")
                                   : title + QStringLiteral(" - Tolvane Help"));
    markInContents();
}

void HelpWindow::markInContents() {
    // The entry of the shown page and anchor, else of the page.
    const QString target = currentTarget();
    const QString page = target.section(QLatin1Char('#'), 0, 0);
    QTreeWidgetItem* pageEntry = nullptr;
    for (QTreeWidgetItemIterator it(ContentsTree); *it; ++it) {
        const QString entry = (*it)->data(0, kTargetRole).toString();
        if (entry == target) {
            ContentsTree->setCurrentItem(*it);
            return;
        }
        if (!pageEntry && entry == page) pageEntry = *it;
    }
    if (pageEntry) ContentsTree->setCurrentItem(pageEntry);
}

void HelpWindow::buildIndex() {
    for (const IndexEntry& e : index_.keywordIndex()) {
        auto* item = new QTreeWidgetItem(IndexTree);
        item->setText(0, fromUtf8(e.keyword));
        item->setData(0, kTargetRole, fromUtf8(e.targets.front()));
        if (e.targets.size() > 1)
            for (const std::string& target : e.targets) {
                auto* child = new QTreeWidgetItem(item);
                const HelpPage* page = index_.page(target);
                child->setText(0, fromUtf8(page ? page->title : target));
                child->setData(0, kTargetRole, fromUtf8(target));
            }
    }
}

void HelpWindow::filterIndex(const QString& text) {
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < IndexTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = IndexTree->topLevelItem(i);
        const bool shown = item->text(0).startsWith(text, Qt::CaseInsensitive) ||
                           (text.size() > 2 && item->text(0).contains(text, Qt::CaseInsensitive));
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    if (first) IndexTree->setCurrentItem(first);
}

void HelpWindow::runSearch() {
    SearchResults->clear();
    for (const SearchHit& hit : index_.search(SearchEdit->text().toStdString())) {
        auto* item = new QListWidgetItem(fromUtf8(hit.title), SearchResults);
        item->setData(kTargetRole, fromUtf8(hit.path));
        item->setToolTip(fromUtf8(hit.path));
    }
}

void HelpWindow::openItem(QTreeWidgetItem* item) {
    if (item) openTarget(item->data(0, kTargetRole).toString());
}

void HelpWindow::openTarget(const QString& target) {
    if (isVisible() && target == currentTarget()) {  // no second history entry
        const qsizetype at = target.indexOf(QLatin1Char('#'));
        if (at >= 0) Browser->scrollToAnchor(target.mid(at + 1));
        return;
    }
    const qsizetype hash = target.indexOf(QLatin1Char('#'));
    const QString file = dir_ + QLatin1Char('/') + target.left(hash < 0 ? target.size() : hash);
    if (!QFileInfo::exists(file)) {
        Browser->setHtml(
            QStringLiteral("<h2>Page not found</h2><p>The help page <tt>%1</tt> is "
                           "missing. The help pages are looked for in <tt>%2</tt>.</p>")
                .arg(target.toHtmlEscaped(), dir_.toHtmlEscaped()));
        return;
    }
    QUrl url = QUrl::fromLocalFile(file);
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    Browser->setSource(url);
    pageShown();
}

QString HelpWindow::currentTarget() const {
    const QUrl url = Browser->source();
    QString path = QDir(dir_).relativeFilePath(url.toLocalFile());
    if (url.hasFragment()) path += QLatin1Char('#') + url.fragment();
    return path;
}

void HelpWindow::followModalDialog() {
    // A modal dialog blocks every window but its own children: the help
    // window opened from one becomes its child window for the while.
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == this || parentWidget() == modal) return;
    if (parentWidget()) parentWidget()->removeEventFilter(this);
    const QRect place = geometry();
    const bool placed = testAttribute(Qt::WA_Moved);
    setParent(modal, Qt::Window);
    if (placed) setGeometry(place);
    if (modal) modal->installEventFilter(this);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    // The dialog closes: the help stays on the screen, on its own again.
    if (watched == parentWidget() && event->type() == QEvent::Hide) {
        watched->removeEventFilter(this);
        const bool shown = isVisible();
        const QRect place = geometry();
        setParent(nullptr, Qt::Window);
        setGeometry(place);
        if (shown) show();
    }
    return QWidget::eventFilter(watched, event);
}

// The whole window on the screen it opens on: where it was last (or its
// parent dialog, or the window F1 was pressed in, stands), shrunk to the
// screen's usable area where it is larger. A first opening is centred.
void HelpWindow::fitToScreen() {
    const bool placed = testAttribute(Qt::WA_Moved);
    const QWidget* asking = parentWidget() ? parentWidget() : QApplication::activeWindow();
    QScreen* screen = placed ? QGuiApplication::screenAt(geometry().center()) : nullptr;
    if (!screen && asking) screen = asking->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QMargins margins = frameMarginsOr(this, asking ? marginsLike(asking) : QMargins());
    const QRect frame = geometry().marginsAdded(margins);
    const ScreenRect area = toScreenRect(screen->availableGeometry());
    const ScreenRect fitted = placed ? fitInside(toScreenRect(frame), area)
                                     : centredIn(frame.width(), frame.height(), area);
    resize(QSize(fitted.width, fitted.height).shrunkBy(margins).expandedTo(minimumSize()));
    putFrameAt(this, QPoint(fitted.left, fitted.top), margins);
}

void HelpWindow::showTopic(const QString& target) {
    followModalDialog();
    openTarget(target);
    if (!isVisible()) fitToScreen();
    // A minimized window counts as visible: show() and raise() leave it an
    // icon, and the activation waits for a window that is never mapped.
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HelpWindow::showContents() { showTopic(QString::fromLatin1(kHelpContentsPage)); }

}  // namespace tolvane
