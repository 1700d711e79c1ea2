#include "platform/host/ShellApi.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include "platform/controls/Automation.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"

namespace {
constexpr HINSTANCE Opened = 42;

// A scheme of two letters or more: "C:" is a drive, not an address.
bool HasScheme(const QString& text) {
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    return scheme.match(text).hasMatch();
}
}  // namespace

HINSTANCE ShellExecute(HWND ParentWindow, const AnsiString& Operation, const AnsiString& File,
                       const AnsiString& Parameters, const AnsiString& Directory, int ShowCmd) {
    (void)ParentWindow;
    EnsureHost();
    if (!(Operation.IsEmpty() || Operation.LowerCase() == "open") || !Parameters.IsEmpty()) return SE_ERR_NOASSOC;
    const QString file = QString::fromUtf8(File.c_str());
    QUrl url;
    if (HasScheme(file)) {
        url = QUrl(file);
    } else {
        QFileInfo info(QDir(QString::fromUtf8(Directory.c_str())), file);
        if (!info.exists()) return ERROR_FILE_NOT_FOUND;
        url = QUrl::fromLocalFile(info.absoluteFilePath());
    }
    if (!url.isValid()) return ERROR_FILE_NOT_FOUND;
    TShellExecuteCall call{Operation, File, Parameters, Directory, ShowCmd, AnsiString(url.toString().toStdString())};
    if (RecordingShellExecute()) {
        LogShellExecute(call);
        return RecordedShellExecuteOpens() ? Opened : HINSTANCE(SE_ERR_NOASSOC);
    }
    if (HeadlessHost()) throw EAutomationError("ShellExecute of \"" + call.Target + "\" while nothing records it");
    // False when no program can be started for the address (no browser, no
    // mail program); the caller says so.
    return QDesktopServices::openUrl(url) ? Opened : HINSTANCE(SE_ERR_NOASSOC);
}
