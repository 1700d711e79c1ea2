#include "PrintedPdf.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/host/Printers.h"

namespace {

std::string Run(const std::string& Command) {
    std::string output;
    if (FILE* pipe = popen(Command.c_str(), "r")) {
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        pclose(pipe);
    }
    return output;
}

std::string Quoted(const std::string& Path) { return "'" + Path + "'"; }

std::string Joined(const std::string& Line) {
    std::istringstream words(Line);
    std::string word, joined;
    while (words >> word) joined += (joined.empty() ? "" : " ") + word;
    return joined;
}

}  // namespace

TPrintingToPdf::TPrintingToPdf(const std::string& File) {
    Printer()->SetPrinterIndex(0);
    Printer()->SetOrientation(poPortrait);
    Printer()->SetFileName(File.c_str());
}

TPrintingToPdf::~TPrintingToPdf() {
    Printer()->SetFileName("");
    Printer()->SetPrinterIndex(-1);
}

TPdfInfo ReadPdfInfo(const std::string& File) {
    TPdfInfo info;
    std::istringstream lines(Run("pdfinfo " + Quoted(File) + " 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line)) {
        const std::string value = line.substr(std::min(line.size(), line.find(':') + 1));
        if (line.rfind("Pages:", 0) == 0) info.pages = std::stoi(value);
        if (line.rfind("Title:", 0) == 0) info.title = Joined(value);
        if (line.rfind("Page size:", 0) == 0) std::sscanf(value.c_str(), " %lf x %lf", &info.width, &info.height);
    }
    return info;
}

TPdfLines ReadPdfLines(const std::string& File) {
    TPdfLines pages;
    std::istringstream pageTexts(Run("pdftotext -layout " + Quoted(File) + " - 2>/dev/null"));
    std::string pageText;
    while (std::getline(pageTexts, pageText, '\f')) {
        std::vector<std::string> lines;
        std::istringstream lineTexts(pageText);
        std::string line;
        while (std::getline(lineTexts, line))
            if (std::string joined = Joined(line); !joined.empty()) lines.push_back(joined);
        pages.push_back(lines);
    }
    // Every page ends with a form feed, so the text after the last is no page.
    if (!pages.empty() && pages.back().empty()) pages.pop_back();
    return pages;
}

std::vector<TPdfWord> ReadPdfWords(const std::string& File) {
    std::vector<TPdfWord> words;
    std::istringstream lines(Run("pdftotext -bbox " + Quoted(File) + " - 2>/dev/null"));
    std::string line;
    int page = 0;
    while (std::getline(lines, line)) {
        if (line.find("<page ") != std::string::npos) ++page;
        TPdfWord word;
        word.page = page;
        char text[512] = {};
        if (std::sscanf(line.c_str(), " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\">%511[^<]", &word.left,
                        &word.top, &word.right, &word.bottom, text) == 5) {
            word.text = text;
            words.push_back(word);
        }
    }
    return words;
}

std::vector<std::string> ReadPdfFonts(const std::string& File) {
    std::vector<std::string> fonts;
    std::istringstream lines(Run("pdffonts " + Quoted(File) + " 2>/dev/null"));
    std::string line;
    for (int n = 0; std::getline(lines, line); ++n)
        if (n >= 2) fonts.push_back(Joined(line));  // after the heading and its rule
    return fonts;
}

int CountPdfImages(const std::string& File) {
    std::istringstream lines(Run("pdfimages -list " + Quoted(File) + " 2>/dev/null"));
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) ++count;
    return std::max(0, count - 2);  // the heading and its rule
}

unsigned TRenderedPage::At(int x, int y) const {
    const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x) * 3];
    return p[0] | (p[1] << 8) | (p[2] << 16);
}

TRenderedPage RenderPdfPage(const std::string& File, int Page, int Dpi, int X, int Y, int Width, int Height) {
    static std::atomic<int> serial{0};
    const std::string stem = File + ".render" + std::to_string(getpid()) + "-" + std::to_string(serial++);
    std::string command = "pdftoppm -singlefile -f " + std::to_string(Page) + " -l " + std::to_string(Page) +
                          " -r " + std::to_string(Dpi);
    if (Width > 0)
        command += " -x " + std::to_string(X) + " -y " + std::to_string(Y) + " -W " + std::to_string(Width) +
                   " -H " + std::to_string(Height);
    Run(command + " " + Quoted(File) + " " + Quoted(stem) + " 2>/dev/null");
    TRenderedPage page;
    std::ifstream in(stem + ".ppm", std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> page.width >> page.height >> maxval;
    in.get();
    page.rgb.resize(static_cast<std::size_t>(page.width) * static_cast<std::size_t>(page.height) * 3);
    in.read(reinterpret_cast<char*>(page.rgb.data()), static_cast<std::streamsize>(page.rgb.size()));
    if (magic != "P6" || !in) page = TRenderedPage();
    in.close();
    std::remove((stem + ".ppm").c_str());
    return page;
}
