#include "app/help_window.h"

#include "platform/folders.h"
#include "platform/strings.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchResult>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocumentFragment>

#include <algorithm>

namespace {

constexpr int kSearchTab = 2;
const char* const kStampKey = "tcpanel/helpFileStamp";

QString g_collectionDir;

QList<QPointer<HelpWindow>>& openWindows()
{
    static QList<QPointer<HelpWindow>> windows;
    return windows;
}

// The help window's own texts, in the languages of the help files.
enum class Text {
    Contents, Index, LookFor, Indexing, Found, NothingFound, CannotShow,
    NotFound, Unreadable, NotHelp, NoCollection, NoContents,
};

QString text(Text t)
{
    struct Row {
        const char* en;
        const char* zhTW;
        const char* zhCN;
    };
    static const Row rows[] = {
        {"Contents", "目錄", "目录"},
        {"Index", "索引", "索引"},
        {"Look for:", "尋找：", "查找："},
        {"Building the search index…", "正在建立搜尋索引…", "正在建立搜索索引…"},
        {"Pages found: %1", "找到的頁面：%1", "找到的页面：%1"},
        {"Nothing found.", "找不到符合的內容。", "找不到匹配的内容。"},
        {"The help cannot be shown", "無法顯示說明", "无法显示帮助"},
        {"The help file was not found:", "找不到說明檔：", "找不到帮助文件："},
        {"The help file cannot be read:", "無法讀取說明檔：", "无法读取帮助文件："},
        {"This is not a help file, or it is damaged:", "這不是說明檔，或說明檔已損壞：",
         "这不是帮助文件，或帮助文件已损坏："},
        {"The help index for this file cannot be kept:", "無法保存此說明檔的索引：",
         "无法保存此帮助文件的索引："},
        {"The help file holds no contents:", "說明檔中沒有目錄：", "帮助文件中没有目录："},
    };
    const Row& r = rows[static_cast<int>(t)];
    switch (platform::language()) {
    case platform::Language::TraditionalChinese: return QString::fromUtf8(r.zhTW);
    case platform::Language::SimplifiedChinese: return QString::fromUtf8(r.zhCN);
    default: return QString::fromUtf8(r.en);
    }
}

QString collectionDir()
{
    if (!g_collectionDir.isEmpty())
        return g_collectionDir;
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/tcpanel/help");
}

// One collection per help file path, so the build tree's file and the installed one
// never share a registration or a search index.
QString collectionFileFor(const QString& helpFile)
{
    const QByteArray hash =
        QCryptographicHash::hash(helpFile.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    return collectionDir() + QLatin1Char('/') + QFileInfo(helpFile).completeBaseName()
         + QLatin1Char('-') + QString::fromLatin1(hash) + QStringLiteral(".qhc");
}

// Tells a rebuilt help file from the one registered before.
QString stampOf(const QString& helpFile)
{
    const QFileInfo fi(helpFile);
    return QString::number(fi.lastModified().toMSecsSinceEpoch()) + QLatin1Char(':')
         + QString::number(fi.size());
}

// Chinese is written without blanks between words, so the word index holds whole
// phrases; a Chinese search text is looked for in the pages themselves as well.
bool hasHan(const QString& s)
{
    for (const QChar c : s)
        if (c.script() == QChar::Script_Han)
            return true;
    return false;
}

// The search engine takes its text as a full-text query, in which a bare word holds only
// letters, digits and "_": "time-out" or "H5/H7" was a malformed query and found nothing.
// Such a word is looked for as the phrase of its parts. A text with quotes is the user's
// own query and goes as typed; a trailing "*" (the prefix search) stays outside the phrase.
QString searchQuery(const QString& typed)
{
    if (typed.contains(QLatin1Char('"')))
        return typed;
    const auto bare = [](QChar c) { return c.unicode() >= 0x80 || c.isLetterOrNumber() || c == QLatin1Char('_'); };
    QStringList terms;
    for (const QString& term : typed.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        const bool prefix = term.size() > 1 && term.endsWith(QLatin1Char('*'));
        const QString word = prefix ? term.chopped(1) : term;
        if (std::all_of(word.begin(), word.end(), bare))
            terms << term;
        else if (std::any_of(word.begin(), word.end(), bare))
            terms << QLatin1Char('"') + word + QLatin1Char('"') + (prefix ? QStringLiteral("*") : QString());
        // A word of signs alone has nothing to find.
    }
    return terms.join(QLatin1Char(' '));
}

QString pageTitle(const QString& html, const QUrl& url)
{
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = title.match(html);
    return m.hasMatch() ? m.captured(1).trimmed() : url.fileName();
}

void addResult(QListWidget* list, const QString& title, const QUrl& url)
{
    auto* item = new QListWidgetItem(title, list);
    item->setData(Qt::UserRole, url);
}

bool listed(const QListWidget* list, const QUrl& url)
{
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toUrl().adjusted(QUrl::RemoveFragment)
            == url.adjusted(QUrl::RemoveFragment))
            return true;
    return false;
}

bool samePlace(const QUrl& a, const QUrl& b)
{
    return a.host() == b.host() && QDir::cleanPath(a.path()) == QDir::cleanPath(b.path())
        && a.fragment() == b.fragment();
}

QModelIndex entryOf(const QHelpContentModel* model, const QModelIndex& parent, const QUrl& url)
{
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex at = model->index(row, 0, parent);
        if (const QHelpContentItem* item = model->contentItemAt(at); item && samePlace(item->url(), url))
            return at;
        if (const QModelIndex inside = entryOf(model, at, url); inside.isValid())
            return inside;
    }
    return QModelIndex();
}

// The window the help opens beside: the active window, or else the program's first
// visible window that is not itself a help window.
QWidget* anchorWindow()
{
    QWidget* active = QApplication::activeWindow();
    if (active && !qobject_cast<HelpWindow*>(active))
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->isWindow() && !qobject_cast<HelpWindow*>(w))
            return w;
    return nullptr;
}

} // namespace

QString HelpFileName(platform::Language lang)
{
    switch (lang) {
    case platform::Language::TraditionalChinese: return QStringLiteral("Help_B.qch");
    case platform::Language::SimplifiedChinese: return QStringLiteral("Help_C.qch");
    default: return QStringLiteral("Help_E.qch");
    }
}

QString HelpFilePath()
{
    return platform::appDataDir() + QLatin1Char('/') + HelpFileName(platform::language());
}

void ShowHelpFile(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QWidget* anchor = anchorWindow();
    for (const QPointer<HelpWindow>& w : openWindows()) {
        if (!w || w->helpFile() != file)
            continue;
        if (w->isShowingHelp()) {
            w->showNormal();
            w->raise();
            w->activateWindow();
            return;
        }
        // The file may have been put right since: look again in a fresh window.
        w->close();
    }
    auto* window = new HelpWindow(file);
    openWindows().removeIf([](const QPointer<HelpWindow>& w) { return w.isNull(); });
    openWindows().append(window);
    window->placeBeside(anchor);
    window->show();
    // Keys pressed next, the Close key among them, go to the help the user asked for.
    window->activateWindow();
}

void CloseAllHelp(const QString& path)
{
    Q_UNUSED(path);
    const QList<QPointer<HelpWindow>> windows = openWindows();
    openWindows().clear();
    for (const QPointer<HelpWindow>& w : windows)
        if (w)
            w->close();
}

void setHelpCollectionDir(const QString& dir) { g_collectionDir = dir; }

HelpWindow::HelpWindow(const QString& path) : helpFile_(QFileInfo(path).absoluteFilePath())
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The program ends with its main window; an open help window does not keep it running.
    setAttribute(Qt::WA_QuitOnClose, false);

    const Failure why = checkFile();
    const QString collection = why == Failure::None ? collectionFileFor(helpFile_) : QString();
    engine_ = std::make_unique<QHelpEngine>(collection);
    engine_->setReadOnly(false);
    engine_->setUsesFilterEngine(true);
    setupUi();
    applyTexts();

    // The tree itself opens an entry only when it is activated (Enter, or a double click in
    // most styles); a single click opens it too.
    connect(contents_, &QHelpContentWidget::clicked, this, [this](const QModelIndex& at) {
        if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(at))
            showPage(item->url());
    });
    connect(contents_, &QHelpContentWidget::linkActivated, this, &HelpWindow::showPage);
    connect(index_, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& link, const QString&) { showPage(link.url); });
    connect(index_, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty())
                    showPage(links.first().url);
            });
    connect(indexFilter_, &QLineEdit::textChanged, this,
            [this](const QString& t) { index_->filterIndices(t); });
    connect(indexFilter_, &QLineEdit::returnPressed, index_, &QHelpIndexWidget::activateCurrentItem);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int tab) {
        if (tab == kSearchTab)
            searchTabShown();
    });
    connect(searchInput_, &QLineEdit::returnPressed, this, &HelpWindow::startSearch);
    connect(searchButton_, &QPushButton::clicked, this, &HelpWindow::startSearch);
    connect(searchResults_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toUrl()); });
    connect(searchResults_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showPage(item->data(Qt::UserRole).toUrl()); });
    // However a page came to be shown (contents, index, search, a link in a page, back and
    // forward), the contents mark its entry.
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::markEntry);
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this,
            &HelpWindow::contentsCreated);
    // The window has no menu that could carry Close: the platform's Close key closes this
    // window alone, wherever its focus is.
    connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);

    if (why != Failure::None)
        fail(why);
    else
        openCollection(collection);
}

HelpWindow::~HelpWindow()
{
    // The contents and index views belong to the window but show the engine's models:
    // they go first.
    delete takeCentralWidget();
}

void HelpWindow::applyTexts()
{
    // Titled as the Help menu's item that opens it.
    setWindowTitle(platform::LoadResString(res::kProgramHelp));
    tabs_->setTabText(0, text(Text::Contents));
    tabs_->setTabText(1, text(Text::Index));
    tabs_->setTabText(kSearchTab, platform::LoadResString(res::kSearch));
    indexLabel_->setText(text(Text::LookFor));
    searchButton_->setText(platform::LoadResString(res::kSearch));
}

HelpWindow::Failure HelpWindow::checkFile() const
{
    const QFileInfo fi(helpFile_);
    if (!fi.exists())
        return Failure::NotFound;
    if (!fi.isFile() || !fi.isReadable())
        return Failure::Unreadable;
    if (QHelpEngineCore::namespaceName(helpFile_).isEmpty())
        return Failure::NotHelp;
    return Failure::None;
}

void HelpWindow::openCollection(const QString& collectionFile)
{
    const QString dir = QFileInfo(collectionFile).absolutePath();
    if (!QDir().mkpath(dir))
        return fail(Failure::NoCollection, dir);
    if (!engine_->setupData())
        return fail(Failure::NoCollection, collectionFile + QStringLiteral(": ") + engine_->error());

    namespace_ = QHelpEngineCore::namespaceName(helpFile_);
    const QString stamp = stampOf(helpFile_);
    const QStringList registered = engine_->registeredDocumentations();
    if (registered != QStringList{namespace_}
        || engine_->documentationFileName(namespace_) != helpFile_
        || engine_->customValue(QLatin1String(kStampKey)).toString() != stamp) {
        for (const QString& ns : registered)
            engine_->unregisterDocumentation(ns);
        if (!engine_->registerDocumentation(helpFile_))
            return fail(Failure::NotHelp, engine_->error());
        engine_->setCustomValue(QLatin1String(kStampKey), stamp);
        indexStale_ = true;
    }
    engine_->contentModel()->createContents(QString());
    engine_->indexModel()->createIndex(QString());
}

void HelpWindow::fail(Failure why, const QString& detail)
{
    Text reason = Text::NotFound;
    switch (why) {
    case Failure::None: return;
    case Failure::NotFound: reason = Text::NotFound; break;
    case Failure::Unreadable: reason = Text::Unreadable; break;
    case Failure::NotHelp: reason = Text::NotHelp; break;
    case Failure::NoCollection: reason = Text::NoCollection; break;
    case Failure::NoContents: reason = Text::NoContents; break;
    }
    failure_ = text(reason);
    QString page = QStringLiteral("<h2>%1</h2><p>%2</p><p><code>%3</code></p>")
                       .arg(text(Text::CannotShow).toHtmlEscaped(), failure_.toHtmlEscaped(),
                            helpFile_.toHtmlEscaped());
    if (!detail.isEmpty())
        page += QStringLiteral("<p><small>%1</small></p>").arg(detail.toHtmlEscaped());
    browser_->setHtml(page);
    indexFilter_->setEnabled(false);
    searchInput_->setEnabled(false);
    searchButton_->setEnabled(false);
}

void HelpWindow::contentsCreated()
{
    if (!isShowingHelp())
        return;
    QHelpContentModel* model = engine_->contentModel();
    if (model->isCreatingContents())
        return; // an earlier run, overtaken by the one under way
    if (model->rowCount() == 0)
        return fail(Failure::NoContents);
    contents_->expandToDepth(0);
    // A page shown before the tree was filled is marked now.
    if (browser_->source().isEmpty())
        showPage(model->contentItemAt(model->index(0, 0))->url());
    else
        markEntry(browser_->source());
}

void HelpWindow::showPage(const QUrl& url)
{
    if (!url.isValid())
        return;
    // One click can ask for its entry twice (clicked, then activated where the style opens an
    // item on a single click; the two halves of a double click). The page shown is not loaded
    // again: it only goes back to the place asked for, as a second click on an entry wants.
    if (url == browser_->source()) {
        if (url.hasFragment())
            browser_->scrollToAnchor(url.fragment());
        else
            browser_->verticalScrollBar()->setValue(0);
        return;
    }
    browser_->setSource(url);
}

// QHelpContentWidget::indexOf (and selectContents with it) compares paths alone, so every
// section of a page found its chapter: the entry of the very place shown is looked for
// first, and the page's own entry only where no entry leads to that place.
void HelpWindow::markEntry(const QUrl& url)
{
    QHelpContentModel* model = engine_->contentModel();
    if (model->isCreatingContents())
        return; // contentsCreated marks it
    // Of two entries for one place, the one the user clicked stays marked.
    QModelIndex at = contents_->currentIndex();
    const QHelpContentItem* item = model->contentItemAt(at);
    if (!item || !samePlace(item->url(), url))
        at = entryOf(model, QModelIndex(), url);
    if (!at.isValid())
        at = entryOf(model, QModelIndex(), url.adjusted(QUrl::RemoveFragment));
    if (!at.isValid()) {
        contents_->selectionModel()->clear();
        return;
    }
    contents_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    contents_->scrollTo(at);
}

// The word index is built the first time the search is wanted, not at every opening.
void HelpWindow::searchTabShown()
{
    if (!isShowingHelp() || indexRequested_)
        return;
    indexRequested_ = true;
    QHelpSearchEngine* search = engine_->searchEngine();
    connect(search, &QHelpSearchEngine::indexingFinished, this, &HelpWindow::indexingFinished);
    connect(search, &QHelpSearchEngine::searchingFinished, this, &HelpWindow::searchFinished);
    searchStatus_->setText(text(Text::Indexing));
    if (indexStale_)
        search->reindexDocumentation();
    else
        search->scheduleIndexDocumentation();
}

void HelpWindow::startSearch()
{
    const QString query = searchInput_->text().trimmed();
    if (query.isEmpty() || !isShowingHelp())
        return;
    if (!indexReady_) {
        pendingSearch_ = query;
        searchTabShown();
        return;
    }
    runningSearch_ = query;
    searchResults_->clear();
    engine_->searchEngine()->search(searchQuery(query));
}

void HelpWindow::indexingFinished()
{
    indexReady_ = true;
    searchStatus_->clear();
    if (!pendingSearch_.isEmpty()) {
        pendingSearch_.clear();
        startSearch();
    }
}

void HelpWindow::searchFinished(int count)
{
    searchResults_->clear();
    const QList<QHelpSearchResult> results = engine_->searchEngine()->searchResults(0, count);
    for (const QHelpSearchResult& r : results)
        if (!listed(searchResults_, r.url()))
            addResult(searchResults_, r.title(), r.url());
    if (hasHan(runningSearch_))
        addPagesContaining(runningSearch_);
    searchStatus_->setText(searchResults_->count() > 0
                               ? text(Text::Found).arg(searchResults_->count())
                               : text(Text::NothingFound));
}

void HelpWindow::addPagesContaining(const QString& phrase)
{
    const QList<QUrl> pages = engine_->files(namespace_, QString(), QStringLiteral("html"));
    for (const QUrl& url : pages) {
        if (listed(searchResults_, url))
            continue;
        const QString html = QString::fromUtf8(engine_->fileData(url));
        const QString plain = QTextDocumentFragment::fromHtml(html).toPlainText();
        if (plain.contains(phrase, Qt::CaseInsensitive))
            addResult(searchResults_, pageTitle(html, url), url);
    }
}
