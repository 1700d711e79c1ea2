#include "platform/host/PrinterSetup.h"

#include <QPrintDialog>
#include <QPrinter>

#include "platform/controls/Automation.h"
#include "platform/controls/Forms.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"
#include "platform/host/Printers.h"
#include "platform/host/WindowStacking.h"

namespace {

QString Q(const AnsiString& s) { return QString::fromUtf8(s.c_str()); }
AnsiString A(const QString& s) { return AnsiString(s.toUtf8().toStdString()); }

// The system's print dialog, its choice carried over to our printer.
bool ShowHostDialog() {
    TPrinter* printer = Printer();
    QPrinter host;
    const AnsiString current = printer->GetPrinters()[static_cast<std::size_t>(printer->GetPrinterIndex())];
    if (printer->GetPrinterIndex() == 0) {
        host.setOutputFormat(QPrinter::PdfFormat);
        host.setOutputFileName(Q(printer->GetFileName()));
    } else {
        host.setPrinterName(Q(current));
    }
    host.setPageOrientation(printer->GetOrientation() == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPrintDialog dialog(&host);
    KeepAboveForms(&dialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    printer->SetOrientation(host.pageLayout().orientation() == QPageLayout::Landscape ? poLandscape : poPortrait);
    if (host.outputFormat() == QPrinter::PdfFormat) {
        printer->SetPrinterIndex(0);
        printer->SetFileName(A(host.outputFileName()));
        return true;
    }
    const auto& names = printer->GetPrinters();
    for (std::size_t i = 1; i < names.size(); ++i)
        if (names[i] == A(host.printerName())) printer->SetPrinterIndex(static_cast<int>(i));
    return true;
}

}  // namespace

bool TPrinterSetupDialog::Execute() {
    EnsureHost();
    if (PendingAutomationAnswers("PrinterSetup") == 0 && !HeadlessHost()) return ShowHostDialog();
    TAutomationRequest request;
    request.Kind = "PrinterSetup";
    request.Caption = "Print Setup";
    request.Subject = this;
    RunAutomationAnswer(request);
    return request.Result == IDOK;
}
