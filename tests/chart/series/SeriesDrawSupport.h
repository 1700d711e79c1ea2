#pragma once
// A chart whose series area is fixed at (100, 50)-(300, 250) with the
// bottom axis over 0..10 and the left axis over 0..100 (20 and 2 pixels a
// unit), drawn through a canvas that logs what the series draw, with the
// pen and brush colour where they matter, before drawing it.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartPicture.h"
#include "chart/series/ChartTestSupport.h"
#include "chart/seriestypes/Series.h"

using TSeriesLog = std::vector<std::string>;

inline std::string Pt(int X, int Y) { return std::to_string(X) + "," + std::to_string(Y); }

class TSeriesRecordingCanvas : public TTeeCanvas3D {
public:
    explicit TSeriesRecordingCanvas(TSeriesLog* ALog) : log_(ALog) {}
    void Line(int X0, int Y0, int X1, int Y1) override {
        Log("Line " + Pt(X0, Y0) + " " + Pt(X1, Y1) + Pen());
        const TNested nested(depth_);
        TTeeCanvas3D::Line(X0, Y0, X1, Y1);
    }
    void LineTo(int X, int Y) override {
        Log("LineTo " + Pt(X, Y));
        const TNested nested(depth_);
        TTeeCanvas3D::LineTo(X, Y);
    }
    void DoHorizLine(int X0, int X1, int Y) override {
        Log("HLine " + std::to_string(X0) + ".." + std::to_string(X1) + " y" + std::to_string(Y));
        const TNested nested(depth_);
        TTeeCanvas3D::DoHorizLine(X0, X1, Y);
    }
    void DoVertLine(int X, int Y0, int Y1) override {
        Log("VLine x" + std::to_string(X) + " " + std::to_string(Y0) + ".." + std::to_string(Y1));
        const TNested nested(depth_);
        TTeeCanvas3D::DoVertLine(X, Y0, Y1);
    }
    void Rectangle(int X0, int Y0, int X1, int Y1) override {
        Log("Rect " + Pt(X0, Y0) + " " + Pt(X1, Y1) + Brush());
        const TNested nested(depth_);
        TTeeCanvas3D::Rectangle(X0, Y0, X1, Y1);
    }
    void DoRectangle(const TRect& R) override {
        Log("Box " + Pt(R.Left, R.Top) + " " + Pt(R.Right, R.Bottom) + Brush());
        const TNested nested(depth_);
        TTeeCanvas3D::DoRectangle(R);
    }
    void Ellipse(int X1, int Y1, int X2, int Y2) override {
        Log("Ellipse " + Pt(X1, Y1) + " " + Pt(X2, Y2));
        const TNested nested(depth_);
        TTeeCanvas3D::Ellipse(X1, Y1, X2, Y2);
    }
    void Polygon(const TPoint* Points, int LastIndex) override {
        std::string s = "Polygon";
        // Appended: GCC 12 warns (-Wrestrict) on " " + string at -O3.
        for (int i = 0; i <= LastIndex; ++i) s.append(" ").append(Pt(Points[i].x, Points[i].y));
        Log(s);
        const TNested nested(depth_);
        TTeeCanvas3D::Polygon(Points, LastIndex);
    }
    void SetPixel(int X, int Y, TColor Value) override {
        Log("Pixel " + Pt(X, Y));
        const TNested nested(depth_);
        TTeeCanvas3D::SetPixel(X, Y, Value);
    }
    void TextOut(int X, int Y, const AnsiString& Text) override {
        Log("Text " + Pt(X, Y) + " a" + std::to_string(GetTextAlign()) + " " + Text.str());
        const TNested nested(depth_);
        TTeeCanvas3D::TextOut(X, Y, Text);
    }
    void PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4, int Z) override {
        Log("PlaneZ " + Pt(P1.x, P1.y) + " " + Pt(P2.x, P2.y) + " " + Pt(P3.x, P3.y) + " " + Pt(P4.x, P4.y) +
            " z" + std::to_string(Z));
        const TNested nested(depth_);
        TTeeCanvas3D::PlaneWithZ(P1, P2, P3, P4, Z);
    }
    void Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) override {
        Log("Band " + Pt(A.x, A.y) + " " + Pt(B.x, B.y) + " z" + std::to_string(Z0) + ".." + std::to_string(Z1) +
            Brush());
        const TNested nested(depth_);
        TTeeCanvas3D::Plane3D(A, B, Z0, Z1);
    }
    void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) override {
        Log("SideZ x" + std::to_string(Left) + " " + std::to_string(Top) + ".." + std::to_string(Bottom));
        const TNested nested(depth_);
        TTeeCanvas3D::RectangleZ(Left, Top, Bottom, Z0, Z1);
    }
    void RectangleY(int Left, int Top, int Right, int Z0, int Z1) override {
        Log("TopY y" + std::to_string(Top) + " " + std::to_string(Left) + ".." + std::to_string(Right));
        const TNested nested(depth_);
        TTeeCanvas3D::RectangleY(Left, Top, Right, Z0, Z1);
    }
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) override {
        Log("Cube " + Pt(Left, Top) + " " + Pt(Right, Bottom) + " z" + std::to_string(Z0) + ".." +
            std::to_string(Z1));
        const TNested nested(depth_);
        TTeeCanvas3D::Cube(Left, Right, Top, Bottom, Z0, Z1, DarkSides);
    }
    void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override {
        Log("EllipseZ " + Pt(X1, Y1) + " " + Pt(X2, Y2) + " z" + std::to_string(Z));
        const TNested nested(depth_);
        TTeeCanvas3D::EllipseWithZ(X1, Y1, X2, Y2, Z);
    }

    bool Recording = true;

private:
    // Only the outermost call is logged: a canvas call made by another
    // (a rectangle drawing its lines) is part of it.
    struct TNested {
        explicit TNested(int& ADepth) : depth(ADepth) { ++depth; }
        ~TNested() { --depth; }
        int& depth;
    };
    int depth_ = 0;
    static std::string Hex(TColor C) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(C));
        return buf;
    }
    std::string Pen() { return " pen" + Hex(GetPen()->GetColor()); }
    std::string Brush() {
        return GetBrush()->GetStyle() == bsClear ? std::string(" clear") : " brush" + Hex(GetBrush()->GetColor());
    }
    void Log(const std::string& Line) {
        if (Recording && depth_ == 0) log_->push_back(Line);
    }
    TSeriesLog* log_;
};

class TFixedRectChart : public TTestChart {
public:
    using TTestChart::TTestChart;

protected:
    void CalcAxisRect() override {
        SetChartRect(TRect(100, 50, 300, 250));
        ReCalcWidthHeight();
        for (TCustomChartAxis* axis : GetAxesList()) {
            axis->AdjustMaxMin();
            axis->InternalCalcPositions();
        }
        CalcSize3DWalls();
    }
};

struct TSeriesChart {
    TSeriesChart() : form(new TForm(nullptr)), chart(new TFixedRectChart(form)) {
        form->SetBounds(0, 0, 420, 300);
        chart->SetParent(form);
        chart->SetView3D(false);
        chart->SetAxisVisible(false);
        chart->SetColor(clWhite);
        chart->GetBottomAxis()->SetMinMax(0, 10);
        chart->GetLeftAxis()->SetMinMax(0, 100);
        canvas = new TSeriesRecordingCanvas(&log);
        chart->SetInternalCanvas(canvas);
        form->Show();
    }
    ~TSeriesChart() { delete form; }
    TSeriesChart(const TSeriesChart&) = delete;
    TSeriesChart& operator=(const TSeriesChart&) = delete;

    template <class T>
    T* New() {
        auto* series = new T(form);
        series->SetParentChart(chart);
        return series;
    }
    // One paint into a white bitmap of the chart's size; what the series drew.
    TSeriesLog Paint() {
        log.clear();
        picture = PaintOnWhite(chart);
        return log;
    }
    TColor PixelAt(int X, int Y) const { return picture->GetCanvas()->GetPixels(X, Y); }

    TForm* form;
    TFixedRectChart* chart;
    TSeriesRecordingCanvas* canvas;
    TSeriesLog log;
    std::unique_ptr<TBitmap> picture;
};

// The entries of a log that start with Prefix, in order.
inline TSeriesLog Only(const TSeriesLog& Log, const std::string& Prefix) {
    TSeriesLog result;
    for (const std::string& line : Log)
        if (line.compare(0, Prefix.size(), Prefix) == 0) result.push_back(line);
    return result;
}
