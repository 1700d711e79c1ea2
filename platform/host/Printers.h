#pragma once
// The printer of the class library. Each page is drawn on a canvas at the
// resolution of an office laser printer (600 pixels per inch), its origin at
// the top left of the printable area, and handed to the printer as vectors
// (text as text, lines and shapes as paths, pictures as images) when the
// next page starts or the document ends; between pages the program's
// windows are painted, and no input reaches it. The first printer, "Print
// to PDF file", is always there, so that printing works on a machine without
// printers (an A4 sheet with margins of 6 mm); the system's printers follow
// it, and the default is one of them when there is any.

#include <vector>

#include "platform/gdi/Graphics.h"

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter : public TObject {
public:
    TPrinter();
    ~TPrinter() override;

    const std::vector<AnsiString>& GetPrinters();
    // -1 chooses the default printer (the system's default, else its first
    // printer, else the PDF printer); reading gives the index in use.
    // EPrinter for an index out of range or while printing.
    int GetPrinterIndex();
    void SetPrinterIndex(int Value);
    const AnsiString& GetTitle() const { return title_; }
    void SetTitle(const AnsiString& Value) { title_ = Value; }
    TPrinterOrientation GetOrientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation Value);
    // The printable area in device pixels.
    int GetPageWidth();
    int GetPageHeight();

    void BeginDoc();  // EPrinter "Printing in progress" when a document is open
    void NewPage();   // EPrinter "Printer is not currently printing" without one
    void EndDoc();
    // Drops the open document (a PDF file is removed); nothing when none is open.
    void Abort();
    bool GetPrinting() const { return printing_; }
    bool GetAborted() const { return aborted_; }
    int GetPageNumber() const { return pageNumber_; }
    TCanvas* GetCanvas() { return canvas_; }
    HDC GetHandle() { return dc_; }

    // Where the PDF printer writes; when empty, a new file in the user's home
    // folder named after the title, never one that exists already.
    const AnsiString& GetFileName() const { return fileName_; }
    void SetFileName(const AnsiString& Value) { fileName_ = Value; }
    // The file the last document went to; empty when it went to a printer.
    const AnsiString& GetDocumentFileName() const { return documentFileName_; }

private:
    struct TJob;
    void CheckNotPrinting() const;
    void CheckPrinting() const;
    void UpdatePage();
    void ShipPage();
    void FinishJob();

    std::vector<AnsiString> printers_;
    int index_ = -1;
    AnsiString title_, fileName_, documentFileName_;
    TPrinterOrientation orientation_ = poPortrait;
    bool printing_ = false, aborted_ = false;
    int pageNumber_ = 0;
    HDC dc_;
    TCanvas* canvas_;
    TJob* job_ = nullptr;
};

// The program's one printer.
TPrinter* Printer();
