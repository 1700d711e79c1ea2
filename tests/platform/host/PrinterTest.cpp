// The printer: PDF documents read back by poppler, page geometry, the
// printer's canvas, file names and the errors of the document brackets.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/gdi/CanvasTestSupport.h"
#include "platform/host/Printers.h"
#include "support/TempDir.h"

namespace {

// The page count and size pdfinfo reports, e.g. "2 595 x 842".
std::string PdfPages(const std::string& file) {
    std::istringstream info(Shell("pdfinfo '" + file + "'"));
    std::string line, pages, size;
    while (std::getline(info, line)) {
        if (line.rfind("Pages:", 0) == 0) pages = line.substr(line.find_first_not_of(' ', 6));
        if (line.rfind("Page size:", 0) == 0) {
            size = line.substr(line.find_first_not_of(' ', 10));
            size = size.substr(0, size.find(" pts"));
        }
    }
    return pages + " " + size;
}

// A page rendered by poppler at 50 pixels per inch in grey.
struct TGreyPage {
    int width = 0, height = 0;
    std::vector<unsigned char> pixels;

    explicit TGreyPage(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        std::string magic;
        int maxval = 0;
        in >> magic >> width >> height >> maxval;
        in.get();
        pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        in.read(reinterpret_cast<char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
        if (magic != "P5" || !in) width = height = 0;
    }
    // Pixels darker than mid-grey within an area of the 50 dpi page.
    int Dark(int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) n += pixels[static_cast<std::size_t>(y * width + x)] < 128;
        return n;
    }
};

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        printer.SetPrinterIndex(0);
        printer.SetTitle("Quotes");
    }
    TempDir dir;
    TPrinter printer;
};

TEST_F(PrinterTest, ThePdfPrinterIsAlwaysFirst) {
    ASSERT_FALSE(printer.GetPrinters().empty());
    EXPECT_EQ(printer.GetPrinters()[0], "Print to PDF file");
    EXPECT_EQ(printer.GetPrinterIndex(), 0);
    EXPECT_THROW(printer.SetPrinterIndex(static_cast<int>(printer.GetPrinters().size())), EPrinter);
    EXPECT_EQ(Printer(), Printer());
}

TEST_F(PrinterTest, TwoPagesReachThePdfWhereTheyWereDrawn) {
    std::string file = dir.File("two.pdf");
    printer.SetFileName(file.c_str());
    EXPECT_EQ(printer.GetPageWidth(), 2479);  // A4 (595 x 842 points) at 300 pixels per inch
    EXPECT_EQ(printer.GetPageHeight(), 3508);
    printer.BeginDoc();
    EXPECT_TRUE(printer.GetPrinting());
    EXPECT_EQ(printer.GetPageNumber(), 1);
    TCanvas* c = printer.GetCanvas();
    c->GetBrush()->SetColor(clBlack);
    c->FillRect(TRect(300, 300, 900, 600));
    c->GetBrush()->SetStyle(bsClear);
    c->GetFont()->SetName("Tahoma");
    c->GetFont()->SetSize(24);
    c->TextOut(300, 1200, "Velmora");
    printer.NewPage();
    EXPECT_EQ(printer.GetPageNumber(), 2);
    c->GetPen()->SetWidth(12);
    c->MoveTo(300, 2000);
    c->LineTo(2000, 2000);
    c->TextOut(1200, 3000, "Page 2");
    printer.EndDoc();
    EXPECT_FALSE(printer.GetPrinting());
    EXPECT_EQ(printer.GetDocumentFileName(), file);

    EXPECT_EQ(PdfPages(file), "2 595 x 842");
    EXPECT_NE(Shell("pdfinfo '" + file + "'").find("Quotes"), std::string::npos);
    // Pages are stored without lossy compression.
    EXPECT_EQ(Shell("pdfimages -list '" + file + "'").find("jpeg"), std::string::npos);

    Shell("pdftoppm -r 50 -gray '" + file + "' '" + dir.File("page") + "'");
    TGreyPage one(dir.File("page-1.pgm")), two(dir.File("page-2.pgm"));
    ASSERT_EQ(one.width, 414);  // 595 x 842 points at 50 pixels per inch
    ASSERT_EQ(one.height, 585);
    ASSERT_EQ(two.width, 414);
    EXPECT_GT(one.Dark(52, 52, 148, 98), 96 * 46 * 9 / 10);  // the filled rectangle
    EXPECT_GT(one.Dark(50, 195, 200, 215), 50);              // the text
    EXPECT_EQ(one.Dark(0, 300, 413, 585), 0);
    EXPECT_EQ(two.Dark(52, 52, 148, 98), 0);
    EXPECT_GT(two.Dark(55, 330, 330, 337), 250);  // the line, 12 pixels wide at 300 dpi
    EXPECT_GT(two.Dark(195, 490, 260, 515), 20);

    // Each page's text is in the file too, hidden under the picture.
    const std::string text = Shell("pdftotext '" + file + "' -");
    const std::size_t pageBreak = text.find('\f');
    ASSERT_NE(pageBreak, std::string::npos);
    EXPECT_LT(text.find("Velmora"), pageBreak);
    EXPECT_EQ(text.find_first_not_of(" \n"), text.find("Velmora"));
    EXPECT_EQ(text.find("Page 2"), text.find_first_not_of(" \n", pageBreak + 1));
}

TEST_F(PrinterTest, LandscapeTurnsThePage) {
    std::string file = dir.File("wide.pdf");
    printer.SetFileName(file.c_str());
    printer.SetOrientation(poLandscape);
    EXPECT_EQ(printer.GetPageWidth(), 3508);
    EXPECT_EQ(printer.GetPageHeight(), 2479);
    printer.BeginDoc();
    printer.GetCanvas()->TextOut(100, 100, "Wide");
    printer.EndDoc();
    EXPECT_EQ(PdfPages(file), "1 842 x 595");
}

TEST_F(PrinterTest, CanvasWorksAtThePrinterResolution) {
    printer.SetFileName(dir.File("res.pdf").c_str());
    printer.BeginDoc();
    HDC dc = printer.GetHandle();
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 300);
    EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 300);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 2479);
    EXPECT_EQ(GetDeviceCaps(dc, PHYSICALHEIGHT), 3508);
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    TCanvas* c = printer.GetCanvas();
    c->GetFont()->SetSize(10);
    EXPECT_EQ(c->GetFont()->GetHeight(), -42);
    // Hatches grow with the resolution: lines three pixels thick, 24 apart.
    c->GetBrush()->SetStyle(bsHorizontal);
    c->GetBrush()->SetColor(clRed);
    c->FillRect(TRect(0, 0, 100, 100));
    for (int y : {9, 10, 11, 33, 35}) EXPECT_EQ(c->GetPixels(50, y), clRed) << y;
    for (int y : {8, 12, 20, 32, 36}) EXPECT_EQ(c->GetPixels(50, y), clWhite) << y;
    printer.EndDoc();
}

TEST_F(PrinterTest, DocumentBracketsAreChecked) {
    try {
        printer.NewPage();
        ADD_FAILURE();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.GetMessage(), "Printer is not currently printing");
    }
    EXPECT_THROW(printer.EndDoc(), EPrinter);
    printer.SetFileName(dir.File("bracket.pdf").c_str());
    printer.BeginDoc();
    try {
        printer.BeginDoc();
        ADD_FAILURE();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.GetMessage(), "Printing in progress");
    }
    EXPECT_THROW(printer.SetOrientation(poLandscape), EPrinter);
    printer.Abort();
    EXPECT_FALSE(printer.GetPrinting());
    EXPECT_TRUE(printer.GetAborted());
    EXPECT_FALSE(std::filesystem::exists(dir.File("bracket.pdf")));
    printer.Abort();  // nothing open: nothing happens

    printer.SetFileName(dir.File("no/such/folder/x.pdf").c_str());
    try {
        printer.BeginDoc();
        ADD_FAILURE();
    } catch (const EPrinter& e) {
        EXPECT_EQ(e.GetMessage().Pos("Cannot write the printed document to"), 1) << e.what();
    }
    EXPECT_FALSE(printer.GetPrinting());
}

TEST_F(PrinterTest, WithoutAFileNameEachDocumentGetsANewFileAtHome) {
    std::string oldHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    setenv("HOME", dir.Path().c_str(), 1);
    printer.SetTitle("Chart: NRDQ/daily");
    dir.Write("Chart_ NRDQ_daily.pdf", "keep me");
    for (int i = 0; i < 2; ++i) {
        printer.BeginDoc();
        printer.GetCanvas()->TextOut(100, 100, "x");
        printer.EndDoc();
    }
    setenv("HOME", oldHome.c_str(), 1);
    EXPECT_EQ(dir.Read("Chart_ NRDQ_daily.pdf"), "keep me");
    EXPECT_EQ(printer.GetDocumentFileName(), dir.File("Chart_ NRDQ_daily (3).pdf"));
    EXPECT_EQ(PdfPages(dir.File("Chart_ NRDQ_daily (2).pdf")), "1 595 x 842");
    EXPECT_TRUE(std::filesystem::exists(dir.File("Chart_ NRDQ_daily (3).pdf")));
}

}  // namespace
