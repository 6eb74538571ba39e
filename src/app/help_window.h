#pragma once
// Help: the program's help files and the help windows that show them.
//
// The help files are Qt Help collections in the program's data folder, one per
// language: Help_B.qch (Traditional Chinese), Help_C.qch (Simplified Chinese) and
// Help_E.qch (English, and every other language). A help window is a window of the
// program of its own, beside the main window: contents, keyword index and full-text
// search on the left, the page on the right. It is not modal; nothing waits for it.
// The platform's Close key (Ctrl+W) closes it.
//
// For the menus:
//   Help > "Velmora Help" (F1), the editors' Help items:  ShowHelpFile(HelpFilePath());
//   the main window's unload:                            CloseAllHelp(HelpFilePath());
#include "platform/strings.h"

#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <memory>

class QHelpContentWidget;
class QHelpEngine;
class QHelpIndexWidget;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;

// The help file of a string-table language: Help_B.qch, Help_C.qch or Help_E.qch.
QString HelpFileName(platform::Language lang);

// The help file of the program's language (platform::language()) in the program's
// data folder (platform::appDataDir()); the file need not exist.
QString HelpFilePath();

// Opens the help file `path` in a help window and returns at once. The window opens
// beside the active window on the file's contents and first page; a window that
// already shows `path` is brought to the front instead of opening a second one.
// A missing or unreadable file is no silent nothing: the window opens all the same
// and says on its page that the file cannot be shown, with the file's path.
void ShowHelpFile(const QString& path);

// Closes every help window the program opened, whichever file it shows; `path`
// names the caller's help file but does not narrow the windows closed. The windows
// are deleted once control is back in the event loop.
void CloseAllHelp(const QString& path);

// Where the help windows keep their collection and search index for each help file
// (written by the viewer, so outside the read-only data folder). The default is the
// per-user cache folder, tcpanel/help; tests point it elsewhere. An empty path restores
// the default.
void setHelpCollectionDir(const QString& dir);

class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // Opens `path` at once; on failure the window shows why (see ShowHelpFile).
    explicit HelpWindow(const QString& path);
    ~HelpWindow() override;

    QString helpFile() const { return helpFile_; }
    // False when the file could not be shown; the page then says why.
    bool isShowingHelp() const { return failure_.isEmpty(); }

    // The parts a user works with (tests drive them like a user).
    QTabWidget* tabs() const { return tabs_; }
    QHelpContentWidget* contentWidget() const { return contents_; }
    QLineEdit* indexFilter() const { return indexFilter_; }
    QHelpIndexWidget* indexWidget() const { return index_; }
    QLineEdit* searchInput() const { return searchInput_; }
    QPushButton* searchButton() const { return searchButton_; }
    QListWidget* searchResults() const { return searchResults_; }
    QTextBrowser* browser() const { return browser_; }

    // Moves the window beside `anchor` (right of it where the screen has room, else
    // left of it, else over its right part); a null anchor leaves the place to the
    // window system.
    void placeBeside(const QWidget* anchor);

private:
    enum class Failure { None, NotFound, Unreadable, NotHelp, NoCollection, NoContents };

    void setupUi();
    void applyTexts();
    Failure checkFile() const;
    void openCollection(const QString& collectionFile);
    void fail(Failure why, const QString& detail = QString());
    void contentsCreated();
    void showPage(const QUrl& url);
    void markEntry(const QUrl& url);
    void searchTabShown();
    void startSearch();
    void indexingFinished();
    void searchFinished(int count);
    void addPagesContaining(const QString& text);

    QString helpFile_;
    QString namespace_;
    QString failure_;
    std::unique_ptr<QHelpEngine> engine_;
    bool indexStale_ = false;
    bool indexRequested_ = false;
    bool indexReady_ = false;
    QString pendingSearch_;
    QString runningSearch_;

    QTabWidget* tabs_ = nullptr;
    QHelpContentWidget* contents_ = nullptr;
    QLabel* indexLabel_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QHelpIndexWidget* index_ = nullptr;
    QLineEdit* searchInput_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    QLabel* searchStatus_ = nullptr;
    QListWidget* searchResults_ = nullptr;
    QTextBrowser* browser_ = nullptr;
};
