#pragma once
// Metafiles read by independent programs: emf2svg-conv for enhanced
// metafiles, wmf2svg for Windows metafiles, and their SVG boiled down to
// shapes with a colour and a bounding box, and texts with a position.

#include <string>
#include <vector>

struct TSvgReader {
    const char* name;
    bool enhanced;
    const char* extension;
};
std::vector<TSvgReader> SvgReaders();

struct TSvgShape {
    std::string kind;    // line, rect, ellipse, polygon, text
    std::string colour;  // fill of closed shapes, stroke of lines, of texts their fill: a CSS name
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // bounds; for texts the start of the baseline
    std::string text;
};

struct TSvgPicture {
    std::string text;  // the SVG itself
    std::vector<TSvgShape> shapes;
    // A shape of the kind and colour with these bounds, within Tolerance.
    bool Has(const std::string& Kind, const std::string& Colour, std::vector<double> Bounds,
             double Tolerance = 2) const;
    bool HasText(const std::string& Text, const std::string& Colour, double X, double Y, double Tolerance) const;
};

TSvgPicture ReadMetafileAsSvg(const TSvgReader& Reader, const std::string& File, const std::string& SvgFile);
