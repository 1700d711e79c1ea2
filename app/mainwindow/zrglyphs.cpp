#include "app/mainwindow/zrglyphs.h"

namespace {

void Line(TCanvas* c, int x1, int y1, int x2, int y2) {
    c->MoveTo(x1, y1);
    c->LineTo(x2, y2);
}

void Shape(TCanvas* c, std::initializer_list<TPoint> points) {
    c->Polygon(points.begin(), static_cast<int>(points.size()));
}

void Page(TCanvas* c) {
    Shape(c, {{3, 1}, {10, 1}, {13, 4}, {13, 14}, {3, 14}});
    Line(c, 10, 1, 10, 4);
    Line(c, 10, 4, 13, 4);
}

void Arrow(TCanvas* c, bool Right) {
    if (Right) Shape(c, {{2, 6}, {8, 6}, {8, 3}, {13, 8}, {8, 13}, {8, 10}, {2, 10}});
    else Shape(c, {{13, 6}, {7, 6}, {7, 3}, {2, 8}, {7, 13}, {7, 10}, {13, 10}});
}

}  // namespace

void DrawButtonPicture(TBitmap* Glyph, TButtonPicture Picture, TColor Ink, TColor Accent) {
    Glyph->SetSize(16, 16);
    TCanvas* c = Glyph->GetCanvas();
    c->GetBrush()->SetStyle(bsSolid);
    c->GetBrush()->SetColor(clFuchsia);
    c->FillRect(Rect(0, 0, 16, 16));
    c->GetPen()->SetColor(Ink);
    c->GetPen()->SetWidth(1);
    c->GetBrush()->SetColor(Accent);
    switch (Picture) {
    case bpNewDocument:
        Page(c);
        break;
    case bpOpenFolder:
        Shape(c, {{1, 4}, {5, 4}, {6, 5}, {12, 5}, {12, 13}, {1, 13}});
        Shape(c, {{3, 8}, {15, 8}, {12, 13}, {1, 13}});
        break;
    case bpSave:
        c->Rectangle(2, 2, 14, 14);
        c->GetBrush()->SetColor(clWhite);
        c->Rectangle(4, 2, 12, 7);
        c->GetBrush()->SetColor(Ink);
        c->FillRect(Rect(5, 10, 11, 14));
        break;
    case bpPrint:
        c->GetBrush()->SetColor(clWhite);
        c->Rectangle(4, 1, 12, 7);
        c->GetBrush()->SetColor(Accent);
        c->Rectangle(1, 6, 15, 12);
        c->GetBrush()->SetColor(clWhite);
        c->Rectangle(4, 10, 12, 15);
        break;
    case bpExport:
        c->GetBrush()->SetColor(clWhite);
        c->Rectangle(1, 3, 12, 13);
        Line(c, 2, 11, 5, 7);
        Line(c, 5, 7, 7, 9);
        Line(c, 7, 9, 10, 5);
        c->GetBrush()->SetColor(Accent == clWhite ? Ink : Accent);
        Shape(c, {{10, 1}, {15, 1}, {15, 6}});
        break;
    case bpLookup:
        c->GetPen()->SetWidth(2);
        c->GetBrush()->SetColor(clWhite);
        c->Ellipse(2, 2, 11, 11);
        Line(c, 10, 10, 14, 14);
        break;
    case bpHelp:
        c->Ellipse(1, 1, 15, 15);
        c->GetFont()->SetName("Tahoma");
        c->GetFont()->SetSize(8);
        c->GetFont()->SetStyle(TFontStyles{fsBold});
        c->GetFont()->SetColor(Accent == clWhite ? Ink : clWhite);
        c->GetBrush()->SetStyle(bsClear);
        c->TextOut(5, 1, "?");
        break;
    case bpAdd:
        Shape(c, {{6, 2}, {10, 2}, {10, 6}, {14, 6}, {14, 10}, {10, 10}, {10, 14}, {6, 14}, {6, 10}, {2, 10}, {2, 6},
                  {6, 6}});
        break;
    case bpRemove:
        c->Rectangle(2, 6, 15, 11);
        break;
    case bpRecalculate:
        c->GetPen()->SetWidth(2);
        c->Arc(2, 2, 14, 14, 14, 2, 2, 8);
        Shape(c, {{11, 1}, {15, 1}, {15, 5}});
        c->Arc(2, 2, 14, 14, 2, 14, 14, 8);
        Shape(c, {{1, 11}, {1, 15}, {5, 15}});
        break;
    case bpTrendline:
        c->GetPen()->SetColor(clGray);
        Line(c, 1, 14, 15, 14);
        Line(c, 1, 1, 1, 15);
        c->GetPen()->SetColor(Accent);
        c->GetPen()->SetWidth(2);
        Line(c, 3, 12, 14, 3);
        break;
    case bpFibonacci:
        c->GetPen()->SetColor(Accent);
        c->Arc(-2, 6, 18, 26, 18, 16, -2, 16);
        c->Arc(2, 10, 14, 22, 14, 16, 2, 16);
        c->GetPen()->SetColor(Ink);
        Line(c, 1, 14, 15, 2);
        break;
    case bpErase:
        Shape(c, {{6, 3}, {14, 3}, {10, 13}, {2, 13}});
        c->GetBrush()->SetColor(clWhite);
        Shape(c, {{2, 13}, {4, 8}, {8, 8}, {6, 13}});
        break;
    case bpGo:
    case bpForward:
        Arrow(c, true);
        break;
    case bpBack:
        Arrow(c, false);
        break;
    case bpStop:
        Shape(c, {{5, 1}, {11, 1}, {15, 5}, {15, 11}, {11, 15}, {5, 15}, {1, 11}, {1, 5}});
        c->GetPen()->SetColor(clWhite);
        c->GetPen()->SetWidth(2);
        Line(c, 5, 5, 11, 11);
        Line(c, 11, 5, 5, 11);
        break;
    }
}
