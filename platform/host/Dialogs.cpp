#include "platform/host/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "platform/controls/Forms.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"
#include "platform/host/WindowStacking.h"

namespace {

QString Q(const AnsiString& s) { return QString::fromUtf8(s.c_str()); }
AnsiString A(const QString& s) { return AnsiString(s.toStdString()); }

// "Text files|*.txt;*.log" becomes "Text files (*.txt *.log)".
QStringList HostFilters(const AnsiString& filter) {
    QStringList parts = Q(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ') + ")";
    return filters;
}

}  // namespace

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), files_(new TStringList) {}

TOpenDialog::~TOpenDialog() { delete files_; }

AnsiString TOpenDialog::Complete(const AnsiString& Name) const {
    QString path = QDir(Q(initialDir_)).absoluteFilePath(Q(Name));
    QString ext = Q(defaultExt_);
    while (ext.startsWith('.')) ext.remove(0, 1);
    if (!ext.isEmpty() && QFileInfo(path).suffix().isEmpty()) path += "." + ext;
    return A(QDir::cleanPath(path));
}

// What a real dialog would refuse, an answer may not give either.
void TOpenDialog::CheckAnswer(const std::vector<AnsiString>& Files) const {
    if (Files.empty() || Files.front().IsEmpty()) throw EAutomationError("The answer to the file dialog names no file");
    if (Files.size() > 1 && !options_.Contains(ofAllowMultiSelect))
        throw EAutomationError("The answer to the file dialog names several files without ofAllowMultiSelect");
    for (const AnsiString& f : Files) {
        QFileInfo info(Q(f));
        if (options_.Contains(ofFileMustExist) && !info.isFile())
            throw EAutomationError("The answer to the file dialog names a missing file: " + f);
        if (options_.Contains(ofPathMustExist) && !info.dir().exists())
            throw EAutomationError("The answer to the file dialog names a missing folder: " + f);
    }
}

bool TOpenDialog::ShowHostDialog(std::vector<AnsiString>& Files) {
    QFileDialog dialog(nullptr, Q(title_), Q(initialDir_));
    KeepAboveForms(&dialog);
    dialog.setAcceptMode(ForSaving() ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (ForSaving()) dialog.setFileMode(QFileDialog::AnyFile);
    else if (options_.Contains(ofAllowMultiSelect)) dialog.setFileMode(QFileDialog::ExistingFiles);
    else if (options_.Contains(ofFileMustExist)) dialog.setFileMode(QFileDialog::ExistingFile);
    else dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);  // asked below, the same way for every dialog
    QStringList filters = HostFilters(filter_);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (filterIndex_ >= 1 && filterIndex_ <= filters.size()) dialog.selectNameFilter(filters[filterIndex_ - 1]);
    }
    if (!fileName_.IsEmpty()) dialog.selectFile(Q(fileName_));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    Files.clear();
    for (const QString& f : dialog.selectedFiles()) Files.push_back(A(f));
    int chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0) filterIndex_ = chosen + 1;
    return true;
}

bool TOpenDialog::Execute() {
    EnsureHost();
    const AnsiString title = !title_.IsEmpty() ? title_ : AnsiString(ForSaving() ? "Save As" : "Open");
    std::vector<AnsiString> files;
    for (;;) {
        const bool automated = PendingAutomationAnswers("FileDialog") > 0 || HeadlessHost();
        if (automated) {
            TAutomationRequest request;
            request.Kind = "FileDialog";
            request.Caption = title;
            request.Text = ForSaving() ? "Save" : "Open";
            request.Subject = this;
            RunAutomationAnswer(request);
            if (request.Result != IDOK) return false;
            files = request.Files.empty() ? std::vector<AnsiString>{request.FileName} : request.Files;
            for (AnsiString& f : files) f = Complete(f);
            CheckAnswer(files);
        } else {
            if (!ShowHostDialog(files)) return false;
            for (AnsiString& f : files) f = Complete(f);
        }
        // The dialog stays open when the user will not replace the file.
        if (ForSaving() && options_.Contains(ofOverwritePrompt) && QFileInfo::exists(Q(files.front())) &&
            Application->MessageBox(files.front() + " already exists.\nDo you want to replace it?", title,
                                    MB_YESNO | MB_ICONWARNING) != IDYES)
            continue;
        break;
    }
    fileName_ = files.front();
    files_->Clear();
    for (const AnsiString& f : files) files_->Add(f);
    return true;
}
