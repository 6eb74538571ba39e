#include "app/help_window.h"
#include "monitor/value_log.h"
#include "platform/folders.h"
#include "platform/strings.h"
#include "support/deferred_delete.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

using platform::Language;

namespace {

const QString kDataDir = QStringLiteral(TCPANEL_DATA_DIR);

// Every message box text the pages explain: the message table, the search's, the
// exit, save and replace questions, and the compare's difference.
const int kMessageIds[] = {266, 267, 268, 269, 270, 275, 339, 274, 276, 277, 278, 261,
                           253, 280, 281, 282, 283, 284, 260, 285, 286, 287, 288, 289,
                           290, 340, 341, 342, 343, 344, 245, 246, 251, 295, 291};

// However the user spells the reply wait, it leads to the settings that set it.
const char* const kTimeoutSpellings[] = {"timeout", "time-out", "Time Out"};

const QStringList kSections = {"start.html", "connecting.html", "editor_h9.html",
                               "editor_h5h7.html", "transfers.html", "files.html",
                               "monitoring.html", "messages.html"};

bool hasHan(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

QString pageHtml(const QHelpEngineCore& engine, const QUrl& url)
{
    return QString::fromUtf8(engine.fileData(url.adjusted(QUrl::RemoveFragment)));
}

bool pageHasAnchor(const QHelpEngineCore& engine, const QUrl& url)
{
    return !url.hasFragment()
        || pageHtml(engine, url).contains(QStringLiteral("id=\"%1\"").arg(url.fragment()));
}

HelpWindow* theHelpWindow()
{
    HelpWindow* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = qobject_cast<HelpWindow*>(w); h && h->isVisible()) {
            EXPECT_EQ(found, nullptr) << "one help window";
            found = h;
        }
    return found;
}

int helpWindowCount()
{
    int n = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        n += qobject_cast<HelpWindow*>(w) != nullptr;
    return n;
}

QString shownPage(const HelpWindow* w) { return w->browser()->source().fileName(); }

class HelpWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(cache.isValid());
        platform::setLanguage(Language::English);
        platform::setAppDataDir(kDataDir);
        setHelpCollectionDir(cache.path());
    }
    void TearDown() override
    {
        CloseAllHelp(HelpFilePath());
        testsupport::dropDeferredDeletes();
        setHelpCollectionDir(QString());
        platform::setAppDataDir(QString());
        platform::setLanguage(Language::English);
    }

    // Opens the help of `lang` as the Help menu does and waits for its contents.
    HelpWindow* openHelp(Language lang)
    {
        platform::setLanguage(lang);
        ShowHelpFile(HelpFilePath());
        HelpWindow* w = theHelpWindow();
        if (w) {
            EXPECT_TRUE(QTest::qWaitFor([w] { return !w->browser()->source().isEmpty(); }, 10000));
        }
        return w;
    }

    QStringList searchFor(HelpWindow* w, const QString& text)
    {
        w->tabs()->setCurrentIndex(2);
        w->searchInput()->setText(text);
        QTest::mouseClick(w->searchButton(), Qt::LeftButton);
        QStringList titles;
        EXPECT_TRUE(QTest::qWaitFor([&] { return w->searchResults()->count() > 0; }, 15000))
            << "no result for " << text.toStdString();
        for (int i = 0; i < w->searchResults()->count(); ++i)
            titles << w->searchResults()->item(i)->text();
        return titles;
    }

    QTemporaryDir cache;
};

} // namespace

// Each help file is built, holds the same eight sections with their subsections in its
// own language, lists every message of the program and every spelling of the time-out in
// its index, shows the log's time stamp as the program writes it, and has no broken link.
TEST(HelpFiles, EachHoldsItsContentsTreeIndexAndWorkingLinks)
{
    QTemporaryDir tmp;
    QStringList namespaces;
    for (Language lang : {Language::English, Language::TraditionalChinese, Language::SimplifiedChinese}) {
        const QString file = kDataDir + QLatin1Char('/') + HelpFileName(lang);
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(QFile::exists(file));
        const QString ns = QHelpEngineCore::namespaceName(file);
        ASSERT_FALSE(ns.isEmpty());
        namespaces << ns;

        QHelpEngine engine(tmp.filePath(HelpFileName(lang) + ".qhc"));
        engine.setReadOnly(false);
        engine.setUsesFilterEngine(true);
        ASSERT_TRUE(engine.setupData());
        ASSERT_TRUE(engine.registerDocumentation(file)) << engine.error().toStdString();

        QHelpContentModel* contents = engine.contentModel();
        QSignalSpy contentsDone(contents, &QHelpContentModel::contentsCreated);
        contents->createContents(QString());
        ASSERT_TRUE(QTest::qWaitFor([&] { return contents->rowCount() == kSections.size() && !contents->isCreatingContents(); }, 10000));
        for (int i = 0; i < contents->rowCount(); ++i) {
            const QHelpContentItem* section = contents->contentItemAt(contents->index(i, 0));
            EXPECT_EQ(section->url().fileName(), kSections[i]);
            EXPECT_EQ(hasHan(section->title()), lang != Language::English) << section->title().toStdString();
            EXPECT_GE(section->childCount(), 3) << section->title().toStdString();
            for (int c = 0; c < section->childCount(); ++c)
                EXPECT_TRUE(pageHasAnchor(engine, section->child(c)->url()))
                    << section->child(c)->url().toString().toStdString();
        }

        QHelpIndexModel* index = engine.indexModel();
        QSignalSpy indexDone(index, &QHelpIndexModel::indexCreated);
        index->createIndex(QString());
        ASSERT_TRUE(indexDone.wait(10000));
        QStringList keywords = index->stringList();
        for (QString& k : keywords)
            k = k.simplified();
        for (int id : kMessageIds) {
            const QString message = platform::resString(id, lang).simplified();
            EXPECT_TRUE(keywords.contains(message)) << id << " " << message.toStdString();
            const QList<QHelpLink> links = engine.documentsForKeyword(platform::resString(id, lang).trimmed());
            for (const QHelpLink& link : links)
                EXPECT_TRUE(pageHasAnchor(engine, link.url)) << link.url.toString().toStdString();
        }

        for (const char* word : kTimeoutSpellings) {
            const QList<QHelpLink> links = engine.documentsForKeyword(QString::fromLatin1(word));
            ASSERT_EQ(links.size(), 1) << word;
            EXPECT_EQ(links[0].url.fileName() + '#' + links[0].url.fragment(), "connecting.html#settings") << word;
        }
        const QUrl monitoring(QStringLiteral("qthelp://%1/doc/monitoring.html").arg(ns));
        EXPECT_TRUE(pageHtml(engine, monitoring)
                        .contains(LogTimestamp(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 3))) + ",12.34,56"));

        const QList<QUrl> pages = engine.files(ns, QString(), QStringLiteral("html"));
        EXPECT_EQ(pages.size(), kSections.size());
        static const QRegularExpression href(QStringLiteral("href=\"([^\"]+)\""));
        for (const QUrl& page : pages) {
            const QString html = pageHtml(engine, page);
            for (auto m = href.globalMatch(html); m.hasNext();) {
                const QUrl target = page.resolved(QUrl(m.next().captured(1)));
                EXPECT_FALSE(engine.fileData(target.adjusted(QUrl::RemoveFragment)).isEmpty())
                    << page.fileName().toStdString() << " -> " << target.toString().toStdString();
                EXPECT_TRUE(pageHasAnchor(engine, target))
                    << page.fileName().toStdString() << " -> " << target.toString().toStdString();
            }
        }
    }
    namespaces.removeDuplicates();
    EXPECT_EQ(namespaces.size(), 3);
}

TEST(HelpFiles, FileIsChosenByTheUserInterfaceLanguage)
{
    const auto fileFor = [](const char* locale) {
        return HelpFileName(platform::languageForLocale(QString::fromLatin1(locale)));
    };
    for (const char* tw : {"zh_TW", "zh-HK", "zh_MO", "zh-Hant-TW"})
        EXPECT_EQ(fileFor(tw), "Help_B.qch") << tw;
    for (const char* cn : {"zh_CN", "zh-SG", "zh-Hans-CN"})
        EXPECT_EQ(fileFor(cn), "Help_C.qch") << cn;
    for (const char* other : {"en_US", "de_DE", "en-HK", "ja_JP"})
        EXPECT_EQ(fileFor(other), "Help_E.qch") << other;
    EXPECT_EQ(HelpFileName(Language::Neutral), "Help_E.qch");

    platform::setAppDataDir(QStringLiteral("/opt/tcpanel/share/tcpanel"));
    platform::setLanguage(Language::SimplifiedChinese);
    EXPECT_EQ(HelpFilePath(), "/opt/tcpanel/share/tcpanel/Help_C.qch");
    platform::setLanguage(Language::English);
    EXPECT_EQ(HelpFilePath(), "/opt/tcpanel/share/tcpanel/Help_E.qch");
    platform::setAppDataDir(QString());
}

// The user opens Help, sees the contents and the first page, and finds a page through
// the contents, the index and the search; nothing of the program waits for the window.
TEST_F(HelpWindows, OpensOnTheContentsAndFindsPagesByContentsIndexAndSearch)
{
    HelpWindow* w = openHelp(Language::English);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isShowingHelp());
    EXPECT_EQ(w->windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(w->windowTitle(), "Velmora Help");
    EXPECT_EQ(w->tabs()->currentIndex(), 0);
    // The contents tree is filled in the background; under load it may come after the page.
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->contentWidget()->model()->rowCount() == kSections.size(); }, 10000));
    EXPECT_EQ(shownPage(w), "start.html");
    EXPECT_TRUE(w->browser()->toPlainText().startsWith("Getting started"));

    const QModelIndex connecting = w->contentWidget()->model()->index(1, 0);
    w->contentWidget()->scrollTo(connecting);
    const QRect row = w->contentWidget()->visualRect(connecting);
    QTest::mouseClick(w->contentWidget()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(w->contentWidget()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(shownPage(w), "connecting.html");

    w->tabs()->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->indexWidget()->model()->rowCount() > 50; }, 10000));
    QTest::keyClicks(w->indexFilter(), "Save As");
    QTest::keyClick(w->indexFilter(), Qt::Key_Return);
    EXPECT_EQ(w->browser()->source().toString(QUrl::RemoveScheme | QUrl::RemoveAuthority), "/doc/files.html#save");

    for (const char* word : kTimeoutSpellings)
        EXPECT_TRUE(searchFor(w, word).contains("Connecting an instrument")) << word;
    const QStringList found = searchFor(w, "dialout");
    EXPECT_TRUE(found.contains("Connecting an instrument")) << found.join(", ").toStdString();
    QListWidgetItem* first = w->searchResults()->item(0);
    QTest::mouseClick(w->searchResults()->viewport(), Qt::LeftButton, {},
                      w->searchResults()->visualItemRect(first).center());
    EXPECT_EQ(w->browser()->source(), first->data(Qt::UserRole).toUrl());
}

// Chinese has no blanks between words: a phrase inside a sentence is still found.
TEST_F(HelpWindows, ChineseHelpShowsInItsLanguageAndFindsPhrasesInSentences)
{
    struct Case { Language lang; const char* title; const char* first; const char* phrase; const char* page; const char* settings; };
    const Case cases[] = {
        {Language::TraditionalChinese, "Velmora 說明", "開始使用", "監看", "開始使用", "連接儀表"},
        {Language::SimplifiedChinese, "Velmora 帮助", "开始使用", "监视", "开始使用", "连接仪表"},
    };
    for (const Case& c : cases) {
        HelpWindow* w = openHelp(c.lang);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.title));
        EXPECT_TRUE(w->browser()->toPlainText().startsWith(QString::fromUtf8(c.first)));
        EXPECT_TRUE(searchFor(w, QString::fromUtf8(c.phrase)).contains(QString::fromUtf8(c.page)));
        // The English word too, as the time-out is often called.
        EXPECT_TRUE(searchFor(w, "timeout").contains(QString::fromUtf8(c.settings)));
        CloseAllHelp(HelpFilePath());
        testsupport::dropDeferredDeletes();
    }
}

TEST_F(HelpWindows, MissingOrUnreadableFileIsReportedInTheWindowWithItsPath)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("Help_E.qch");
    const QString garbage = dir.filePath("Help_C.qch");
    QFile f(garbage);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is no help collection");
    f.close();

    for (const QString& path : {missing, garbage, dir.path()}) {
        SCOPED_TRACE(path.toStdString());
        ShowHelpFile(path);
        HelpWindow* w = theHelpWindow();
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->isShowingHelp());
        EXPECT_TRUE(w->browser()->toPlainText().contains(path));
        EXPECT_EQ(w->contentWidget()->model()->rowCount(), 0);
        EXPECT_FALSE(w->searchButton()->isEnabled());
        CloseAllHelp(path);
        testsupport::dropDeferredDeletes();
    }
    platform::setLanguage(Language::TraditionalChinese);
    ShowHelpFile(missing);
    ASSERT_NE(theHelpWindow(), nullptr);
    EXPECT_TRUE(theHelpWindow()->browser()->toPlainText().contains(QString::fromUtf8("找不到說明檔")));
}

TEST_F(HelpWindows, ShowingAgainRaisesTheOpenWindowAndCloseAllHelpClosesEveryOne)
{
    ShowHelpFile(HelpFilePath());
    ShowHelpFile(HelpFilePath());
    EXPECT_EQ(helpWindowCount(), 1);
    ShowHelpFile(kDataDir + "/Help_B.qch");
    EXPECT_EQ(helpWindowCount(), 2);

    CloseAllHelp(HelpFilePath());
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(helpWindowCount(), 0);
}
