// The SVG of the metafile readers boiled down to shapes and texts.
#include "MetafileSvg.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>

#include "CanvasTestSupport.h"

namespace {

using TAttributes = std::map<std::string, std::string>;

TAttributes Attributes(const std::string& s) {
    TAttributes a;
    static const std::regex attribute(R"(([\w:-]+)\s*=\s*"([^"]*)\")");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), attribute); it != std::sregex_iterator(); ++it)
        a[(*it)[1]] = (*it)[2];
    // Style properties count as attributes.
    static const std::regex property(R"(([\w-]+)\s*:\s*([^;]+))");
    std::string style = a["style"];
    for (auto it = std::sregex_iterator(style.begin(), style.end(), property); it != std::sregex_iterator(); ++it) {
        std::string value = (*it)[2];
        value.erase(value.find_last_not_of(' ') + 1);
        a[(*it)[1]] = value;
    }
    return a;
}

std::vector<double> Numbers(const std::string& s) {
    std::vector<double> out;
    static const std::regex number(R"(-?\d+(\.\d+)?)");
    for (auto it = std::sregex_iterator(s.begin(), s.end(), number); it != std::sregex_iterator(); ++it)
        out.push_back(std::stod(it->str()));
    return out;
}

std::string ColourName(std::string c) {
    std::transform(c.begin(), c.end(), c.begin(), [](unsigned char ch) { return std::tolower(ch); });
    static const std::map<std::string, std::string> names = {
        {"#ff0000", "red"},    {"#0000ff", "blue"},  {"#00ff00", "lime"}, {"#800000", "maroon"},
        {"#000000", "black"},  {"#ffffff", "white"}, {"#008000", "green"}, {"#ffff00", "yellow"}};
    auto it = names.find(c);
    return it == names.end() ? c : it->second;
}

double Get(TAttributes& a, const char* name) {
    std::vector<double> n = Numbers(a[name]);
    return n.empty() ? 0 : n[0];
}

void BoundsOf(TSvgShape& s, const std::vector<double>& xy) {
    s.x0 = s.y0 = 1e9;
    s.x1 = s.y1 = -1e9;
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        s.x0 = std::min(s.x0, xy[i]);
        s.x1 = std::max(s.x1, xy[i]);
        s.y0 = std::min(s.y0, xy[i + 1]);
        s.y1 = std::max(s.y1, xy[i + 1]);
    }
}

}  // namespace

std::vector<TSvgReader> SvgReaders() { return {{"Enhanced", true, "emf"}, {"Windows", false, "wmf"}}; }

TSvgPicture ReadMetafileAsSvg(const TSvgReader& Reader, const std::string& File, const std::string& SvgFile) {
    if (Reader.enhanced) Shell("emf2svg-conv -i '" + File + "' -o '" + SvgFile + "' 2>&1");
    else Shell("wmf2svg -o '" + SvgFile + "' '" + File + "' 2>&1");
    TSvgPicture picture;
    picture.text = Shell("cat '" + SvgFile + "' 2>/dev/null");
    const std::string& svg = picture.text;
    static const std::regex element(R"(<(path|rect|ellipse|polygon|line|text)\b([^>]*?)/?>(?:(?:<!\[CDATA\[)?([^<\]]*)(?:\]\]>)?</text>)?)");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
        std::string tag = (*it)[1];
        TAttributes a = Attributes((*it)[2]);
        TSvgShape s;
        s.kind = tag;
        std::string fill = a.count("fill") ? a["fill"] : "none";
        s.colour = ColourName(fill != "none" ? fill : a["stroke"]);
        if (tag == "rect") {
            s.x0 = Get(a, "x");
            s.y0 = Get(a, "y");
            s.x1 = s.x0 + Get(a, "width");
            s.y1 = s.y0 + Get(a, "height");
        } else if (tag == "ellipse") {
            double cx = Get(a, "cx"), cy = Get(a, "cy"), rx = Get(a, "rx"), ry = Get(a, "ry");
            s.x0 = cx - rx;
            s.x1 = cx + rx;
            s.y0 = cy - ry;
            s.y1 = cy + ry;
        } else if (tag == "line") {
            s.colour = ColourName(a["stroke"]);
            BoundsOf(s, {Get(a, "x1"), Get(a, "y1"), Get(a, "x2"), Get(a, "y2")});
        } else if (tag == "polygon") {
            BoundsOf(s, Numbers(a["points"]));
        } else if (tag == "path") {
            std::vector<double> xy = Numbers(a["d"]);
            bool closed = a["d"].find('Z') != std::string::npos;
            s.kind = closed ? "polygon" : xy.size() == 4 ? "line" : "polyline";
            if (!closed) s.colour = ColourName(a["stroke"]);
            BoundsOf(s, xy);
        } else {
            s.text = (*it)[3];
            std::vector<double> m = Numbers(a["transform"]);
            s.x0 = s.x1 = Get(a, "x") + (m.size() == 6 ? m[4] : 0);
            s.y0 = s.y1 = Get(a, "y") + (m.size() == 6 ? m[5] : 0);
            // A reader that sets each character on its own: one text again.
            if (!picture.shapes.empty()) {
                TSvgShape& last = picture.shapes.back();
                if (last.kind == "text" && last.colour == s.colour && std::fabs(last.y0 - s.y0) < 0.5 &&
                    s.x0 > last.x1) {
                    last.text += s.text;
                    last.x1 = s.x0;
                    continue;
                }
            }
        }
        picture.shapes.push_back(s);
    }
    return picture;
}

bool TSvgPicture::Has(const std::string& Kind, const std::string& Colour, std::vector<double> Bounds,
                      double Tolerance) const {
    for (const TSvgShape& s : shapes)
        if (s.kind == Kind && s.colour == Colour && std::fabs(s.x0 - Bounds[0]) <= Tolerance &&
            std::fabs(s.y0 - Bounds[1]) <= Tolerance && std::fabs(s.x1 - Bounds[2]) <= Tolerance &&
            std::fabs(s.y1 - Bounds[3]) <= Tolerance)
            return true;
    return false;
}

bool TSvgPicture::HasText(const std::string& Text, const std::string& Colour, double X, double Y,
                          double Tolerance) const {
    for (const TSvgShape& s : shapes)
        if (s.kind == "text" && s.text == Text && s.colour == Colour && std::fabs(s.x0 - X) <= Tolerance &&
            std::fabs(s.y0 - Y) <= Tolerance)
            return true;
    return false;
}
