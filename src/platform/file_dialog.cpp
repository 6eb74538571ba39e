#include "platform/file_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace platform {

namespace {

// A name the file system cannot take gets the dialog's invalid-name error instead of a path.
bool isUsableName(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return !name.isEmpty() && !name.contains(QChar(0));
}

class QtFileDialogPresenter : public FileDialogPresenter {
public:
    FileDialogAnswer present(const FileDialogRequest& r) override
    {
        QFileDialog dlg(QApplication::activeWindow(), r.title, r.initDir, toQtFilter(r.filter));
        dlg.setOption(QFileDialog::DontUseNativeDialog, true);
        // The forms ask their own replace question after a Save.
        dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
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
