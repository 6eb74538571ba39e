#pragma once
// The settings-file and log-file dialogs. Their properties keep their values between
// uses: FileName holds the last full path chosen and is never cleared by the dialog.
#include <QString>

namespace platform {

// Results of ShowOpen/ShowSave.
enum : int {
    kDialogAccepted = 0,
    kDialogCancelled = 32755,
    kDialogInvalidFileName = 20477,
};

struct FileDialogRequest {
    enum Kind { Open, Save } kind = Open;
    QString initDir;
    QString title;
    QString filter;   // "Description (*.ext)|*.ext|..." as the forms write it
    QString fileName; // the name kept from the last use
};

struct FileDialogAnswer {
    int result = kDialogCancelled;
    QString path; // full path chosen, when accepted
};

class FileDialogPresenter {
public:
    virtual ~FileDialogPresenter() = default;
    virtual FileDialogAnswer present(const FileDialogRequest& request) = 0;
};

class CommonDialog {
public:
    QString InitDir;
    QString DialogTitle;
    QString Filter;
    QString FileName;  // full path
    QString FileTitle; // the chosen name without its folder

    int ShowOpen() { return show(FileDialogRequest::Open); }
    int ShowSave() { return show(FileDialogRequest::Save); }

private:
    int show(FileDialogRequest::Kind kind);
};

// Converts a "text|pattern|text|pattern" filter into Qt's name filters.
QString toQtFilter(const QString& formsFilter);

// Installs `p` (not owned); nullptr restores the QFileDialog presenter.
void setFileDialogPresenter(FileDialogPresenter* p);

} // namespace platform
