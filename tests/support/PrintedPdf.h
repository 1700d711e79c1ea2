#pragma once
// The program's printer printing to a PDF file, and what poppler's readers
// say of the file: pdfinfo's page count and size, pdftotext's lines and
// words, pdffonts' fonts, pdfimages' pictures and pdftoppm's pixels.

#include <string>
#include <vector>

// While it lives, Printer() is the PDF printer, portrait, writing File;
// then the default printer again, choosing its own file names.
class TPrintingToPdf {
public:
    explicit TPrintingToPdf(const std::string& File);
    ~TPrintingToPdf();
    TPrintingToPdf(const TPrintingToPdf&) = delete;
    TPrintingToPdf& operator=(const TPrintingToPdf&) = delete;
};

struct TPdfInfo {
    int pages = 0;
    double width = 0, height = 0;  // points, of the first page
    std::string title;
};
TPdfInfo ReadPdfInfo(const std::string& File);

// Each page's lines as pdftotext -layout lays them out, the words of a line
// separated by single spaces, blank lines left out.
using TPdfLines = std::vector<std::vector<std::string>>;
TPdfLines ReadPdfLines(const std::string& File);

// Every word pdftotext -bbox finds: its page (from 1), its box in points
// from the sheet's top left, and its text.
struct TPdfWord {
    int page = 0;
    double left = 0, top = 0, right = 0, bottom = 0;
    std::string text;
};
std::vector<TPdfWord> ReadPdfWords(const std::string& File);

// The fonts pdffonts lists, a line each as it prints it, the fields
// separated by single spaces ("ABCDEF+LiberationSans CID TrueType
// Identity-H yes yes yes 8 0": name, type, encoding, embedded, subset...).
std::vector<std::string> ReadPdfFonts(const std::string& File);

// How many pictures pdfimages finds.
int CountPdfImages(const std::string& File);

// A part of a page rendered by pdftoppm: Width x Height pixels from (X, Y)
// of the page at Dpi pixels per inch; the whole page when Width is 0.
struct TRenderedPage {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    // 0x00BBGGRR, as TColor.
    unsigned At(int x, int y) const;
};
TRenderedPage RenderPdfPage(const std::string& File, int Page, int Dpi, int X = 0, int Y = 0, int Width = 0,
                            int Height = 0);
