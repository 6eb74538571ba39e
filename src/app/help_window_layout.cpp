// The help window's widgets and its place on the screen; what they do is in help_window.cpp.
#include "app/help_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kWidth = 920;
constexpr int kHeight = 700;
constexpr int kNavigationWidth = 290;
constexpr int kGap = 8;

// Pages and their pictures live inside the help file, under qthelp:// addresses.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine* engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {}

    QVariant loadResource(int type, const QUrl& url) override
    {
        if (url.scheme() == QLatin1String("qthelp"))
            return engine_->fileData(url);
        return QTextBrowser::loadResource(type, url);
    }

private:
    QHelpEngine* engine_;
};

} // namespace

void HelpWindow::setupUi()
{
    setObjectName(QStringLiteral("HelpWindow"));
    resize(kWidth, kHeight);

    auto* splitter = new QSplitter(Qt::Horizontal);
    tabs_ = new QTabWidget(splitter);

    contents_ = engine_->contentWidget();
    contents_->setHeaderHidden(true);
    tabs_->addTab(contents_, QString());

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLabel_ = new QLabel;
    indexLayout->addWidget(indexLabel_);
    indexFilter_ = new QLineEdit;
    indexFilter_->setClearButtonEnabled(true);
    indexLayout->addWidget(indexFilter_);
    index_ = engine_->indexWidget();
    indexLayout->addWidget(index_);
    tabs_->addTab(indexPage, QString());

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* queryRow = new QHBoxLayout;
    searchInput_ = new QLineEdit;
    searchInput_->setClearButtonEnabled(true);
    searchButton_ = new QPushButton;
    queryRow->addWidget(searchInput_, 1);
    queryRow->addWidget(searchButton_);
    searchLayout->addLayout(queryRow);
    searchStatus_ = new QLabel;
    searchStatus_->setWordWrap(true);
    searchLayout->addWidget(searchStatus_);
    searchResults_ = new QListWidget;
    searchLayout->addWidget(searchResults_, 1);
    tabs_->addTab(searchPage, QString());

    browser_ = new HelpBrowser(engine_.get(), splitter);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({kNavigationWidth, kWidth - kNavigationWidth});
    setCentralWidget(splitter);
}

void HelpWindow::placeBeside(const QWidget* anchor)
{
    if (!anchor)
        return;
    const QScreen* screen = anchor->screen() ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect avail = screen->availableGeometry();
    const QRect beside = anchor->frameGeometry();
    const int w = std::min(kWidth, avail.width());
    const int h = std::min(kHeight, avail.height());

    const int rightEdge = avail.x() + avail.width();
    const int besideRight = beside.x() + beside.width() + kGap;
    const int besideLeft = beside.x() - kGap - w;
    int x = rightEdge - w; // no room on either side: over the anchor's right part
    if (besideRight + w <= rightEdge)
        x = besideRight;
    else if (besideLeft >= avail.x())
        x = besideLeft;
    const int y = std::clamp(beside.y(), avail.y(), std::max(avail.y(), avail.y() + avail.height() - h));
    resize(w, h);
    move(x, y);
}
