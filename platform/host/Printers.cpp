// The printer: PDF files through QPdfWriter, system printers through
// QPrinter. The device context records each page, which goes to the host's
// painter as vectors when the next page starts or the document ends.
#include "platform/host/Printers.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>
#include <vector>

#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileRecords.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"
#include "platform/host/PagePainter.h"

namespace {

// The resolution of a common office laser printer, and its margins of 6 mm
// as whole pixels.
constexpr int kDpi = 600;
constexpr int kPdfMargin = 142;
const char* const kPdfPrinter = "Print to PDF file";

QString ToQt(const AnsiString& s) { return QString::fromUtf8(s.c_str()); }
AnsiString FromQt(const QString& s) { return AnsiString(s.toUtf8().toStdString()); }

// A file name made of the title, without characters file systems refuse.
QString SafeBaseName(const AnsiString& title) {
    QString base = ToQt(title).trimmed();
    for (QChar& c : base)
        if (c < QChar(32) || QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('_');
    return base.isEmpty() ? QStringLiteral("Document") : base;
}

// The PDF printer's sheet: A4 with the margins a printer keeps free.
QPageLayout PdfLayout(QPageLayout::Orientation Orientation) {
    const double points = kPdfMargin * 72.0 / kDpi;
    return QPageLayout(QPageSize(QPageSize::A4), Orientation, QMarginsF(points, points, points, points),
                       QPageLayout::Point);
}

}  // namespace

// The document being printed: its destination, the painter on it and the
// page being recorded.
struct TPrinter::TJob {
    std::unique_ptr<QFile> file;
    std::unique_ptr<QPdfWriter> pdf;
    std::unique_ptr<QPrinter> printer;
    QPainter painter;
    TMetaRecording page;
    QPagedPaintDevice* Device() { return pdf ? static_cast<QPagedPaintDevice*>(pdf.get()) : printer.get(); }
};

// The context has no pixels: what is drawn on it is recorded for the page.
TPrinter::TPrinter() : dc_(CreateImageDC(0, 0, kDpi, DT_RASPRINTER)), canvas_(new TCanvas) {
    canvas_->SetHandle(dc_);
    canvas_->GetFont()->SetPixelsPerInch(kDpi);
    canvas_->GetFont()->SetSize(10);
}

TPrinter::~TPrinter() {
    if (printing_) Abort();
    delete canvas_;
    DeleteImageDC(dc_);
}

void TPrinter::CheckNotPrinting() const {
    if (printing_) throw EPrinter("Printing in progress");
}

void TPrinter::CheckPrinting() const {
    if (!printing_) throw EPrinter("Printer is not currently printing");
}

const std::vector<AnsiString>& TPrinter::GetPrinters() {
    if (printers_.empty()) {
        EnsureHost();
        printers_.push_back(kPdfPrinter);
        for (const QString& name : QPrinterInfo::availablePrinterNames()) printers_.push_back(FromQt(name));
    }
    return printers_;
}

// A real printer is the default: the system's default one, else the first;
// the PDF printer only where there is none.
int TPrinter::GetPrinterIndex() {
    const std::vector<AnsiString>& names = GetPrinters();
    if (index_ >= 0) return index_;
    QString system = QPrinterInfo::defaultPrinterName();
    for (std::size_t i = 1; i < names.size(); ++i)
        if (!system.isEmpty() && FromQt(system) == names[i]) return static_cast<int>(i);
    return names.size() > 1 ? 1 : 0;
}

void TPrinter::SetPrinterIndex(int Value) {
    CheckNotPrinting();
    if (Value < -1 || Value >= static_cast<int>(GetPrinters().size())) throw EPrinter("Printer index out of range");
    index_ = Value;
    UpdatePage();
}

void TPrinter::SetOrientation(TPrinterOrientation Value) {
    CheckNotPrinting();
    orientation_ = Value;
    UpdatePage();
}

int TPrinter::GetPageWidth() {
    UpdatePage();
    return dc_->deviceSize.cx;
}

int TPrinter::GetPageHeight() {
    UpdatePage();
    return dc_->deviceSize.cy;
}

// The printable area of the chosen printer in the chosen orientation, the
// device's origin at its top left: the PDF printer's is an A4 sheet inside
// its margins, a system printer's what the printer reports.
void TPrinter::UpdatePage() {
    if (printing_) return;
    int index = GetPrinterIndex();
    auto orientation = orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    QRect full, paint;
    if (index == 0) {
        const QPageLayout layout = PdfLayout(orientation);
        full = layout.fullRectPixels(kDpi);
        paint = layout.paintRectPixels(kDpi);
    } else {
        QPrinter printer(QPrinterInfo::printerInfo(ToQt(printers_[static_cast<std::size_t>(index)])),
                         QPrinter::HighResolution);
        printer.setResolution(kDpi);
        printer.setPageOrientation(orientation);
        full = printer.pageLayout().fullRectPixels(kDpi);
        paint = printer.pageLayout().paintRectPixels(kDpi);
    }
    dc_->deviceSize = TSize{paint.width(), paint.height()};
    dc_->physicalSize = TSize{full.width(), full.height()};
    dc_->physicalOffset = TPoint(paint.left(), paint.top());
}

void TPrinter::BeginDoc() {
    CheckNotPrinting();
    EnsureHost();
    UpdatePage();
    int index = GetPrinterIndex();
    auto job = std::make_unique<TJob>();
    auto orientation = orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    documentFileName_ = "";
    if (index == 0) {
        QString path = ToQt(fileName_);
        job->file = std::make_unique<QFile>();
        if (path.isEmpty()) {
            // Claim a new name: the title, then the title with a number.
            QString base = QDir(QDir::homePath()).filePath(SafeBaseName(title_));
            for (int n = 1; n < 10000; ++n) {
                job->file->setFileName(n == 1 ? base + ".pdf" : QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
                if (job->file->open(QIODevice::WriteOnly | QIODevice::NewOnly)) break;
                if (!job->file->exists()) break;
            }
        } else {
            job->file->setFileName(path);
            job->file->open(QIODevice::WriteOnly | QIODevice::Truncate);
        }
        if (!job->file->isOpen())
            throw EPrinter("Cannot write the printed document to \"" + FromQt(job->file->fileName()) + "\": " +
                           FromQt(job->file->errorString()));
        job->pdf = std::make_unique<QPdfWriter>(job->file.get());
        job->pdf->setResolution(kDpi);
        job->pdf->setPageLayout(PdfLayout(orientation));
        job->pdf->setTitle(ToQt(title_));
        job->pdf->setCreator(QStringLiteral("Velmora"));
        documentFileName_ = FromQt(job->file->fileName());
    } else {
        const AnsiString& name = printers_[static_cast<std::size_t>(index)];
        QPrinterInfo info = QPrinterInfo::printerInfo(ToQt(name));
        if (info.isNull()) throw EPrinter("Printer \"" + name + "\" is not available");
        job->printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        job->printer->setResolution(kDpi);
        job->printer->setPageOrientation(orientation);
        job->printer->setDocName(ToQt(title_));
    }
    if (!job->painter.begin(job->Device())) {
        if (job->file) job->file->remove();
        throw EPrinter("Cannot start printing on \"" + GetPrinters()[static_cast<std::size_t>(index)] + "\"");
    }
    // Pictures stay sharp: no lossy compression.
    job->painter.setRenderHint(QPainter::LosslessImageRendering);
    job->page.devicePage = true;
    job->page.patternScale = PatternScale(dc_);
    job_ = job.release();
    dc_->Reset();
    dc_->recording = &job_->page;
    canvas_->SetHandle(dc_);
    printing_ = true;
    aborted_ = false;
    pageNumber_ = 1;
}

void TPrinter::ShipPage() {
    PaintRecordedPage(job_->page, job_->painter);
    job_->page.records.clear();
}

void TPrinter::NewPage() {
    CheckPrinting();
    ShipPage();
    if (!job_->Device()->newPage()) throw EPrinter("The printer cannot start a new page");
    ++pageNumber_;
    // A long document keeps the program's windows drawn, and takes no input.
    ProcessHostPaintEvents();
}

void TPrinter::EndDoc() {
    CheckPrinting();
    ShipPage();
    bool painted = job_->painter.end();
    bool written = true;
    if (job_->file) {
        job_->pdf.reset();  // finishes the file
        written = job_->file->error() == QFileDevice::NoError;
        job_->file->close();
        written = written && job_->file->error() == QFileDevice::NoError;
    }
    AnsiString error = job_->file ? FromQt(job_->file->errorString()) : AnsiString();
    FinishJob();
    if (!painted || !written) throw EPrinter("The printed document could not be written: " + error);
}

void TPrinter::Abort() {
    if (!printing_) return;
    job_->painter.end();
    if (job_->printer) job_->printer->abort();
    if (job_->file) {
        job_->pdf.reset();
        job_->file->close();
        job_->file->remove();
    }
    FinishJob();
    aborted_ = true;
}

void TPrinter::FinishJob() {
    dc_->recording = nullptr;
    delete job_;
    job_ = nullptr;
    dc_->Reset();
    canvas_->SetHandle(dc_);
    printing_ = false;
}

TPrinter* Printer() {
    // Deliberately never freed: the program may print until its last moment.
    static TPrinter* printer = new TPrinter;
    return printer;
}
