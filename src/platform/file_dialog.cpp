#include "platform/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QScreen>
#include <QStringList>
#include <QTreeView>

#include <algorithm>

namespace platform {

namespace {

// A name the file system cannot take gets the dialog's invalid-name error instead of a path.
bool isUsableName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return !name.isEmpty() && !name.contains(QChar(0));
}

// The dialog's Date Modified column in the locale's short format, as Qt writes it but for
// what Qt cannot write: the day period ("B") of the zh_TW time format, which Qt leaves a
// letter, with the hour run on to 23 ("2026/12/10 B21:13"). The morning/afternoon text Qt
// does know stands in for it ("下午9:13"). Qt's model writes with QLocale::system(),
// which is QLocale() too while the program sets no default.
class FileDateColumn : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || index.column() != kDateColumn || !files)
            return QIdentityProxyModel::data(index, role);
        const QLocale locale;
        return locale.toString(files->lastModified(mapToSource(index)),
                               withDayPeriodAsAmPm(locale.dateTimeFormat(QLocale::ShortFormat)));
    }

private:
    static constexpr int kDateColumn = 3; // after Name, Size and Type

    static QString withDayPeriodAsAmPm(const QString& format)
    {
        QString out;
        bool quoted = false;
        for (qsizetype i = 0; i < format.size(); ++i) {
            if (format[i] == QLatin1Char('\''))
                quoted = !quoted;
            if (quoted || format[i] != QLatin1Char('B')) {
                out += format[i];
                continue;
            }
            while (i + 1 < format.size() && format[i + 1] == QLatin1Char('B'))
                ++i;
            out += QStringLiteral("AP");
        }
        return out;
    }
};

// Qt sizes the Detail view's columns for English texts (and restores the widths of the
// last dialog) before the folder is read, so a longer text in another language, such as
// the zh_TW date "2026/12/10 上午9:13", came out cut. Once the rows are in, each column
// gets at least the width of its widest shown text; wider ones keep their width. The
// dialog grows, as far as its screen allows, so no column is left behind the scroll bar.
void widenToContents(QTreeView* view, QWidget* dialog)
{
    QHeaderView* header = view->header();
    const QAbstractItemView* rows = view; // where the width of a column's texts is public
    for (int c = 0; c < header->count(); ++c) {
        if (!header->isSectionHidden(c))
            header->resizeSection(c, std::max({header->sectionSize(c), header->sectionSizeHint(c),
                                               rows->sizeHintForColumn(c)}));
    }
    const int missing = header->length() - view->viewport()->width();
    if (missing <= 0)
        return;
    const QRect screen = dialog->screen()->availableGeometry();
    QRect place = dialog->geometry();
    place.setWidth(std::min(place.width() + missing, screen.width()));
    place.moveLeft(std::clamp(place.left() - missing / 2, screen.left(), screen.right() + 1 - place.width()));
    dialog->setGeometry(place);
}

class QtFileDialogPresenter : public FileDialogPresenter {
public:
    FileDialogAnswer present(const FileDialogRequest& r) override
    {
        QFileDialog dlg(QApplication::activeWindow(), r.title, r.initDir, toQtFilter(r.filter));
        dlg.setOption(QFileDialog::DontUseNativeDialog, true);
        // The forms ask their own replace question after a Save.
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
        auto* shown = new FileDateColumn(&dlg);
        dlg.setProxyModel(shown);
        if (auto* view = dlg.findChild<QTreeView*>(QStringLiteral("treeView")))
            QObject::connect(qobject_cast<QFileSystemModel*>(shown->sourceModel()), &QFileSystemModel::directoryLoaded,
                             view, [view, &dlg] { widenToContents(view, &dlg); });
        dlg.setAcceptMode(r.kind == FileDialogRequest::Open ? QFileDialog::AcceptOpen
                                                            : QFileDialog::AcceptSave);
        dlg.setFileMode(r.kind == FileDialogRequest::Open ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
        if (!r.fileName.isEmpty())
            dlg.selectFile(QFileInfo(r.fileName).fileName());
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
            return {kDialogCancelled, {}};
        const QString path = dlg.selectedFiles().first();
        if (!isUsableName(path))
            return {kDialogInvalidFileName, {}};
        return {kDialogAccepted, path};
    }
};

QtFileDialogPresenter g_qtPresenter;
FileDialogPresenter* g_presenter = &g_qtPresenter;

} // namespace

QString toQtFilter(const QString& formsFilter)
{
    const QStringList parts = formsFilter.split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(';', ' ');
        if (!text.contains('('))
            text += " (" + pattern + ")";
        filters << text;
    }
    return filters.join(";;");
}

int CommonDialog::show(FileDialogRequest::Kind kind)
{
    const FileDialogAnswer a = g_presenter->present({kind, InitDir, DialogTitle, Filter, FileName});
    if (a.result == kDialogAccepted) {
        FileName = a.path;
        FileTitle = QFileInfo(a.path).fileName();
    }
    return a.result;
}

void setFileDialogPresenter(FileDialogPresenter* p) { g_presenter = p ? p : &g_qtPresenter; }

} // namespace platform
