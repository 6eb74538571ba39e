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

// Every message box text the pages explain, by its string-table id, and the row of the
// messages page that explains it: the message table (message n in row mn; 8 and 10 share
// the text of 6), the search's, the exit, save and replace questions, the compare's difference, the successes.
struct MessageRow { int id; const char* row; };
const MessageRow kMessageRows[] = {
    {266, "m1"}, {267, "m2"}, {268, "m3"}, {269, "m4"}, {270, "m5"}, {275, "m6"}, {339, "m7"},
    {274, "m9"}, {276, "m11"}, {277, "m12"}, {278, "m13"}, {261, "m14"}, {253, "m15"}, {280, "m16"},
    {281, "m17"}, {282, "m18"}, {283, "m19"}, {284, "m20"}, {260, "m21"}, {285, "m22"}, {286, "m23"},
    {287, "m24"}, {288, "m25"}, {289, "m26"}, {290, "m27"}, {340, "m28"}, {341, "m29"}, {342, "m30"},
    {343, "m31"}, {344, "m32"}, {245, "q-search"}, {246, "q-exit"}, {251, "q-save"},
    {295, "q-replace"}, {291, "q-different"}, {264, "q-done"}, {263, "q-done"}, {249, "q-done"},
    {252, "q-done"}};

// Other subjects as the index of each language (English, Traditional, Simplified Chinese)
// names them, and the section each must open.
struct Subject { const char* names[3]; const char* section; };
const Subject kSubjects[] = {
    {{"model chooser", "選擇機種", "选择机种"}, "start.html#new"},
    {{"status bar", "狀態列", "状态栏"}, "start.html#status-bar"},
    {{"USB serial adapter", "USB 序列轉接器", "USB 转串口适配器"}, "connecting.html#usb"},
    {{"slave ID", "從站 ID", "从站 ID"}, "connecting.html#slave-id"},
    {{"power saving", "省電", "省电"}, "editor_h9.html#kp"},
    {{"H8", "H8", "H8"}, "editor_h5h7.html#h8"},
    {{"download", "下載", "下载"}, "transfers.html#download"},
    {{"upload", "上傳", "上传"}, "transfers.html#upload"},
    {{"Open", "開啟", "打开"}, "files.html#open"},
    {{"log file", "記錄檔", "记录文件"}, "monitoring.html#log-file"},
    {{"UnKnow Error !", "UnKnow Error !", "UnKnow Error !"}, "messages.html#unknown"},
    {{"Please enter an integer between 1 and 3600.", "Please enter an integer between 1 and 3600.",
      "Please enter an integer between 1 and 3600."}, "messages.html#q-rate"}};

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
// own language, leads from each message of the program, each spelling of the time-out and
// each subject in its index to the entry that explains it, shows the log's time stamp as
// the program writes it, and has no broken link.
TEST(HelpFiles, EachHoldsItsContentsTreeIndexAndWorkingLinks)
{
    QTemporaryDir tmp;
    QStringList namespaces;
    const Language langs[] = {Language::English, Language::TraditionalChinese, Language::SimplifiedChinese};
    for (int l = 0; l < 3; ++l) {
        const Language lang = langs[l];
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

        // Where a keyword leads, as the index window opens it: one page, with its anchor.
        const auto opens = [&engine](const QString& keyword) {
            const QList<QHelpLink> links = engine.documentsForKeyword(keyword);
            if (links.size() != 1)
                return std::to_string(links.size()) + " places";
            const QUrl& url = links[0].url;
            return (url.fileName() + (url.hasFragment() ? '#' + url.fragment() : QString())).toStdString();
        };
        const QString messages = pageHtml(engine, QUrl(QStringLiteral("qthelp://%1/doc/messages.html").arg(ns)));
        for (const MessageRow& m : kMessageRows) {
            const QString message = platform::resString(m.id, lang).trimmed();
            EXPECT_EQ(opens(message), "messages.html#" + std::string(m.row)) << m.id;
            const qsizetype row = messages.indexOf(QStringLiteral("<tr id=\"%1\">").arg(m.row));
            EXPECT_TRUE(row >= 0 && messages.mid(row, messages.indexOf("</tr>", row) - row).contains(message))
                << m.row << " explains " << message.toStdString();
        }
        for (const Subject& s : kSubjects)
            EXPECT_EQ(opens(QString::fromUtf8(s.names[l])), s.section) << s.names[l];
        for (const char* word : kTimeoutSpellings)
            EXPECT_EQ(opens(QString::fromLatin1(word)), "connecting.html#settings") << word;
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

    // One click or Enter opens an entry, once; the tree marks the place shown, however it was opened.
    QHelpContentWidget* tree = w->contentWidget();
    const auto entry = [m = tree->model()](const char* title) {
        return m->match(m->index(0, 0), Qt::DisplayRole, title, 1, Qt::MatchRecursive).value(0);
    };
    const auto shown = [w, tree] { // the place shown, and the entry marked: selected and in sight
        const QModelIndex at = tree->currentIndex();
        const bool marked = tree->selectionModel()->isSelected(at) && tree->viewport()->rect().contains(tree->visualRect(at));
        const QString entry = marked ? at.data().toString() : QString();
        return (w->browser()->source().toString().section('/', -1) + ' ' + entry).toStdString();
    };
    EXPECT_EQ(shown(), "start.html Getting started");
    QSignalSpy opened(w->browser(), &QTextBrowser::sourceChanged);
    tree->scrollTo(entry("Open"));
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(entry("Open")).center());
    EXPECT_EQ(shown(), "files.html#open Open");
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, tree->visualRect(entry("Open")).center());
    EXPECT_EQ(opened.count(), 1);
    ASSERT_TRUE(w->browser()->find("(Messag")); // the link's text, with the cursor inside it
    QTest::mouseClick(w->browser()->viewport(), Qt::LeftButton, {}, w->browser()->cursorRect().center());
    EXPECT_EQ(shown(), "messages.html#files Files");
    tree->setCurrentIndex(entry("Download"));
    QTest::keyClick(tree, Qt::Key_Return);
    EXPECT_EQ(shown(), "transfers.html#download Download");

    w->tabs()->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->indexWidget()->model()->rowCount() > 50; }, 10000));
    QTest::keyClicks(w->indexFilter(), "Save As");
    QTest::keyClick(w->indexFilter(), Qt::Key_Return);
    EXPECT_EQ(shown(), "files.html#save Save and Save As");

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
    // The Close key closes the help window it is pressed in, and that one only.
    ASSERT_TRUE(QTest::qWaitFor([] { return qobject_cast<HelpWindow*>(QApplication::activeWindow()); }));
    const std::string pressedIn = qobject_cast<HelpWindow*>(QApplication::activeWindow())->helpFile().toStdString();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Close);
    testsupport::dropDeferredDeletes();
    ASSERT_TRUE(helpWindowCount() == 1 && theHelpWindow()) << helpWindowCount() << " help windows";
    EXPECT_NE(theHelpWindow()->helpFile().toStdString(), pressedIn);

    CloseAllHelp(HelpFilePath());
    testsupport::dropDeferredDeletes();
    EXPECT_EQ(helpWindowCount(), 0);
}
