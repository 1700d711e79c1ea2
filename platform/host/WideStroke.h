#pragma once
// Platform-internal: strokes of wide pens, outlined by the host. The device
// context describes a figure as a path and gets back the pixels the stroke
// covers, which it then paints by its own rules.

#include <cstdint>
#include <vector>

// A figure through pixel coordinates (a pixel's centre is at +0.5).
class TStrokePath {
public:
    void MoveTo(double x, double y) { Add(Move, x, y); }
    void LineTo(double x, double y) { Add(Line, x, y); }
    void Close() { Add(CloseFigure); }
    // Closed figures inside the box x0, y0 - x1, y1.
    void AddRect(double x0, double y0, double x1, double y1) { Add(Rect, x0, y0, x1, y1); }
    void AddEllipse(double x0, double y0, double x1, double y1) { Add(Ellipse, x0, y0, x1, y1); }
    void AddRoundedRect(double x0, double y0, double x1, double y1, double rx, double ry) {
        Add(RoundedRect, x0, y0, x1, y1, rx, ry);
    }
    // Along the ellipse inside a box, angles in degrees counter-clockwise
    // from three o'clock: a move to the point at Start, and an arc from
    // Start through Sweep (joined by a line to the current point).
    void ArcMoveTo(double x0, double y0, double x1, double y1, double Start) { Add(ArcMove, x0, y0, x1, y1, Start); }
    void ArcTo(double x0, double y0, double x1, double y1, double Start, double Sweep) {
        Add(Arc, x0, y0, x1, y1, Start, Sweep);
    }
    bool Empty() const { return elements_.empty(); }

    enum TKind { Move, Line, CloseFigure, Rect, Ellipse, RoundedRect, ArcMove, Arc };
    struct TElement {
        TKind kind;
        double v[6];
    };
    const std::vector<TElement>& Elements() const { return elements_; }

private:
    void Add(TKind kind, double a = 0, double b = 0, double c = 0, double d = 0, double e = 0, double f = 0) {
        elements_.push_back({kind, {a, b, c, d, e, f}});
    }
    std::vector<TElement> elements_;
};

enum class TStrokeCap { Round, Square, Flat };
enum class TStrokeJoin { Round, Bevel, Miter };

// Sets to Value each cell of a Width x Height mask (rows top-down, its first
// cell the pixel Left, Top) whose pixel centre lies inside the stroke of
// Path with a pen PenWidth pixels wide. A figure of no length leaves a dot
// of the pen's width, except with flat ends.
void StrokeToMask(const TStrokePath& Path, double PenWidth, TStrokeCap Cap, TStrokeJoin Join, int Left, int Top,
                  int Width, int Height, std::uint8_t* Mask, std::uint8_t Value);
