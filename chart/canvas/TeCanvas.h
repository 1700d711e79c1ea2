#pragma once
// The chart library's one drawing surface. Every chart element draws through
// TCanvas3D, never through the device context itself: TTeeCanvas is the flat
// surface (pen, brush, font, lines, shapes, text, clipping, gradient),
// TCanvas3D adds the depth and the solids, and TTeeCanvas3D draws both on a
// TCanvas, through an off-screen bitmap, projecting (x, y, depth) onto the
// screen. Also here: the chart pens, the 3-D view settings and a few
// geometry and colour helpers.

#include <array>
#include <initializer_list>

#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Graphics.h"

// ---- Tuning values -------------------------------------------------------------
extern Byte DarkColorQuantity;    // darkening of cube tops and pyramid bases (64)
extern Byte DarkerColorQuantity;  // darkening of cube and pyramid sides (128)
extern int TeeGradientPrecision;  // strip thickness of the centre gradient (2)

// ---- Types -------------------------------------------------------------------------
// cbmTransparent and cbmOpaque are the device context's background modes.
enum TCanvasBackMode { cbmNone, cbmTransparent, cbmOpaque };
enum TGradientDirection { gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft,
                          gdFromBottomLeft };
enum TTeeCanvasSurfaceStyle { tcsSolid, tcsWire, tcsDot };

// A chart point with its depth: z is the distance behind the front plane.
struct TPoint3D {
    int x = 0;
    int y = 0;
    int z = 0;
    friend constexpr bool operator==(const TPoint3D&, const TPoint3D&) = default;
};

using TFourPoints = std::array<TPoint, 4>;
using TTrianglePoints3D = std::array<TPoint3D, 3>;
using TTriangleColors3D = std::array<TColor, 3>;
// Gives the two corners and colours of one cell of a surface.
using TTeeCanvasCalcPoints =
    TClosure<bool(int X, int Z, TPoint3D& P0, TPoint3D& P1, TColor& Color0, TColor& Color1)>;

// ---- Geometry ---------------------------------------------------------------------
// Sine and cosine of an angle in radians, in one step.
void SinCos(long double Angle, long double& Sin, long double& Cos);
// The full-circle arc tangent of Y / X.
double ArcTan2(double Y, double X);
TPoint3D Point3D(int x, int y, int z);
void RectSize(const TRect& R, int& Width, int& Height);
// Halves truncated toward zero: the centre of (-3, -3, 0, 0) is (-1, -1).
void RectCenter(const TRect& R, int& X, int& Y);

// ---- Colours ----------------------------------------------------------------------
// Each of red, green and blue of the colour (system colours resolved) less
// HowMuch, not below 0.
TColor ApplyDark(TColor Color, Byte HowMuch);
// Each component plus HowMuch, not above 255.
TColor ApplyBright(TColor Color, Byte HowMuch);

// ---- Clipping ----------------------------------------------------------------------
// Clips the canvas to a rectangle of its logical coordinates.
void ClipCanvas(TCanvas* ACanvas, const TRect& Rect);
void UnClipCanvas(TCanvas* ACanvas);

// ---- Colours of their own -----------------------------------------------------
// As a point's colour: use the series' colour (or the palette colour of
// the point when ColorEachPoint is on). As a series' colour when it joins
// a chart: take a free palette colour. As a brush's or a wall's colour:
// none of its own.
inline constexpr TColor DefaultPointColor = clScrollBar;

// A brush whose colour starts as none of its own: the colour of what it
// fills (a point, a bar) is used.
class TChartBrush : public TBrush {
public:
    explicit TChartBrush(TNotifyEvent ChangedEvent = nullptr);
};

// ---- Pens -----------------------------------------------------------------------------
// A pen of a chart element: every change reaches the owner through the
// change notification given at construction. A hidden pen draws nothing;
// SmallDots draws a one-pixel line of alternate dots.
class TChartPen : public TPen {
public:
    explicit TChartPen(TNotifyEvent OnChangeEvent = nullptr);
    void Assign(TPersistent* Source) override;
    bool GetSmallDots() const { return smallDots_; }
    void SetSmallDots(bool Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);

private:
    void Notify();
    bool smallDots_ = false;
    bool visible_ = true;
};

class TChartHiddenPen : public TChartPen {
public:
    explicit TChartHiddenPen(TNotifyEvent OnChangeEvent = nullptr);
};

class TDottedGrayPen : public TChartPen {
public:
    explicit TDottedGrayPen(TNotifyEvent OnChangeEvent = nullptr);
};

class TDarkGrayPen : public TChartPen {
public:
    explicit TDarkGrayPen(TNotifyEvent OnChangeEvent = nullptr);
};

class TChartAxisPen : public TChartPen {
public:
    explicit TChartAxisPen(TNotifyEvent OnChangeEvent = nullptr);
};

class TChartArrowPen : public TChartPen {
public:
    explicit TChartArrowPen(TNotifyEvent OnChangeEvent = nullptr);
};

// ---- 3-D view settings ----------------------------------------------------------
using TView3DScrollEvent = TClosure<void(bool Horizontal)>;
using TView3DZoomEvent = TClosure<void(int Value)>;

// Elevation, rotation, perspective, zoom and shift of a panel's 3-D view.
// The panel that shows the view is the parent; a changed value asks it to
// repaint through the repaint request given at construction. No value is
// checked: any integer is stored.
class TView3DOptions : public TPersistent {
public:
    TView3DOptions(TPersistent* AParent, TNotifyEvent ARepaint);
    // Copies all nine values without asking for a repaint.
    void Assign(TPersistent* Source) override;
    TPersistent* GetParent() const { return parent_; }
    // Asks the parent to repaint.
    void Repaint();

    int GetElevation() const { return elevation_; }
    void SetElevation(int Value);
    int GetHorizOffset() const { return horizOffset_; }
    void SetHorizOffset(int Value);
    bool GetOrthogonal() const { return orthogonal_; }
    void SetOrthogonal(bool Value);
    int GetPerspective() const { return perspective_; }
    void SetPerspective(int Value);
    int GetRotation() const { return rotation_; }
    void SetRotation(int Value);
    int GetTilt() const { return tilt_; }
    void SetTilt(int Value);
    int GetVertOffset() const { return vertOffset_; }
    void SetVertOffset(int Value);
    int GetZoom() const { return zoom_; }
    void SetZoom(int Value);
    bool GetZoomText() const { return zoomText_; }
    void SetZoomText(bool Value);

    // After a changed offset and its repaint request: true for HorizOffset.
    TView3DScrollEvent OnScrolled;
    // Before a changed zoom is stored, with the new value.
    TView3DZoomEvent OnZoomed;

private:
    void SetIntegerProperty(int& Field, int Value);
    void SetBooleanProperty(bool& Field, bool Value);

    TPersistent* parent_;
    TNotifyEvent repaint_;
    int elevation_ = 345;
    int horizOffset_ = 0;
    bool orthogonal_ = true;
    int perspective_ = 15;
    int rotation_ = 345;
    int tilt_ = 0;
    int vertOffset_ = 0;
    int zoom_ = 100;
    bool zoomText_ = true;
};

// ---- The flat surface ------------------------------------------------------------
class TTeeCanvas : public TObject {
public:
    // The canvas drawn on, and its font, pen and brush.
    TCanvas* GetCanvas() const { return canvas_; }
    void SetCanvas(TCanvas* ACanvas);
    TFont* GetFont() const { return font_; }
    TPen* GetPen() const { return pen_; }
    TBrush* GetBrush() const { return brush_; }

    virtual TColor GetBackColor() = 0;
    virtual TCanvasBackMode GetBackMode() = 0;
    virtual HDC GetHandle() = 0;
    virtual bool GetMonochrome() = 0;
    virtual int GetTextAlign() = 0;
    virtual bool GetUseBuffer() = 0;
    virtual void SetBackColor(TColor Color) = 0;
    virtual void SetBackMode(TCanvasBackMode Mode) = 0;
    virtual void SetMonochrome(bool Value) = 0;
    virtual void SetPixel(int X, int Y, TColor Value) = 0;
    virtual void SetTextAlign(int Align) = 0;
    virtual void SetUseBuffer(bool Value) = 0;
    virtual void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void Draw(int X, int Y, TGraphic* Graphic) = 0;
    virtual void Ellipse(int X1, int Y1, int X2, int Y2) = 0;
    virtual void FillRect(const TRect& Rect) = 0;
    // Shrinks Rect by Width on every side.
    virtual void Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width) = 0;
    virtual void LineTo(int X, int Y) = 0;
    virtual void MoveTo(int X, int Y) = 0;
    virtual void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) = 0;
    virtual void Rectangle(int X0, int Y0, int X1, int Y1) = 0;
    virtual void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) = 0;
    virtual void StretchDraw(const TRect& Rect, TGraphic* Graphic) = 0;
    virtual void TextOut(int X, int Y, const AnsiString& Text) = 0;
    // The extent of Text in the current font; 0 when it cannot be measured.
    virtual int TextWidth(const AnsiString& Text);
    virtual int TextHeight(const AnsiString& Text);
    virtual void ClipRectangle(const TRect& Rect) = 0;
    virtual void DoHorizLine(int X0, int X1, int Y) = 0;
    virtual void DoRectangle(const TRect& Rect) = 0;
    virtual void DoVertLine(int X, int Y0, int Y1) = 0;
    virtual void EraseBackground(const TRect& Rect) = 0;
    virtual void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor,
                              TGradientDirection Direction) = 0;
    // The off-screen picture no longer shows the chart.
    virtual void Invalidate() = 0;
    virtual void Line(int X0, int Y0, int X1, int Y1) = 0;
    // The points 0 .. LastIndex.
    virtual void Polygon(const TPoint* Points, int LastIndex) = 0;
    virtual void RotateLabel(int X, int Y, const AnsiString& Text, int Angle) = 0;
    virtual void UnClipRectangle() = 0;

    // The state every paint ends with: black solid pen of width 1, white
    // solid brush, black 10-point font, white transparent background.
    void ResetState();
    // Takes a chart pen for the lines that follow: a hidden one as the clear
    // style, small dots of width 1 as the alternate-dot pen, any other as it is.
    void AssignVisiblePen(TChartPen* APen);
    // The same in Color: series that colour their pen per point keep a pen
    // that already matches but for its colour, so it is made no new handle.
    void AssignVisiblePen(TChartPen* APen, TColor Color);
    int FontHeight();

private:
    TCanvas* canvas_ = nullptr;
    TFont* font_ = nullptr;
    TPen* pen_ = nullptr;
    TBrush* brush_ = nullptr;
};

// ---- The surface with depth ------------------------------------------------------
class TCanvas3D : public TTeeCanvas {
public:
    virtual void SetPixel3D(int X, int Y, int Z, TColor Value) = 0;
    virtual bool GetSupportsFullRotation() = 0;
    virtual bool GetSupports3DText() = 0;
    // The chart point at depth Z that shows at the screen point (X, Y).
    virtual void Calculate2DPosition(int& X, int& Y, int Z) = 0;
    // The screen point of the chart point (X, Y, Z).
    virtual TPoint Calculate3DPosition(int X, int Y, int Z) = 0;
    // Prepares one paint on DestCanvas; the rectangle to draw in.
    virtual TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor, bool Is3D,
                             const TRect& UserRect) = 0;
    // Takes over the Monochrome setting.
    virtual void Assign(TCanvas3D* Source);
    // Fixes the centre of the projection once the chart rectangle is known.
    virtual void Projection(int MaxDepth, const TRect& ABounds, const TRect& ARect) = 0;
    // Ends one paint: the picture reaches DestCanvas.
    virtual void ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) = 0;
    // Shows the stored picture again; false when it must be drawn anew.
    virtual bool ReDrawBitmap() = 0;
    virtual void Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int ArrowWidth, int ArrowHeight,
                       int Z) = 0;
    virtual void ClipCube(const TRect& Rect, int MinZ, int MaxZ) = 0;
    virtual void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, int ConePercent) = 0;
    virtual void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) = 0;
    virtual void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D) = 0;
    virtual void HorizLine3D(int Left, int Right, int Y, int Z) = 0;
    virtual void VertLine3D(int X, int Top, int Bottom, int Z) = 0;
    virtual void ZLine3D(int X, int Y, int Z0, int Z1) = 0;
    virtual void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) = 0;
    // What is drawn between these two is flat, in screen coordinates.
    virtual void FrontPlaneBegin() = 0;
    virtual void FrontPlaneEnd() = 0;
    virtual void LineWithZ(int X0, int Y0, int X1, int Y1, int Z) = 0;
    virtual void MoveTo3D(int X, int Y, int Z) = 0;
    virtual void LineTo3D(int X, int Y, int Z) = 0;
    // Angles in radians, counter-clockwise from three o'clock.
    virtual void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
                       double EndAngle, bool DarkSides, bool DrawSides) = 0;
    virtual void Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) = 0;
    virtual void PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4, int Z) = 0;
    // The four points are replaced by their projections.
    virtual void PlaneFour3D(TFourPoints& Points, int Z0, int Z1) = 0;
    virtual void PolygonWithZ(const TPoint* Points, int LastIndex, int Z) = 0;
    virtual void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                         bool DarkSides) = 0;
    virtual void RectangleWithZ(const TRect& Rect, int Z) = 0;
    virtual void RectangleY(int Left, int Top, int Right, int Z0, int Z1) = 0;
    virtual void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) = 0;
    virtual void RotateLabel3D(int X, int Y, int Z, const AnsiString& Text, int Angle) = 0;
    virtual void Sphere(int X, int Y, int Z, double Radius) = 0;
    virtual void Surface3D(TTeeCanvasSurfaceStyle Style, bool SameBrush, int NumXValues, int NumZValues,
                           TTeeCanvasCalcPoints CalcPoints, TColor Color) = 0;
    virtual void TextOut3D(int X, int Y, int Z, const AnsiString& Text) = 0;
    virtual void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) = 0;
    virtual void TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) = 0;

    // Set while the chart draws into a metafile or for a printer.
    bool Metafiling = false;
};

// ---- The concrete surface ----------------------------------------------------------
class TTeeCanvas3D : public TCanvas3D {
public:
    TTeeCanvas3D() = default;
    ~TTeeCanvas3D() override;

    // Projection of a chart point onto the screen, in place.
    void Calc3DPos(int& X, int& Y, int Z) const;
    void Calc3DPoint(TPoint& P, int X, int Y, int Z) const;
    void Calc3DTPoint(TPoint& P, int Z) const;
    TPoint Calc3DTPoint3D(const TPoint3D& P) const;

    // The off-screen picture (nullptr when there is none) copied to Canvas.
    TBitmap* GetBitmap() const { return bitmap_; }
    void TransferBitmap(int Left, int Top, TCanvas* ACanvas);
    void DeleteBitmap();

    TView3DOptions* GetView3DOptions() const { return view3DOptions_; }
    bool GetIs3D() const { return is3D_; }
    bool GetIsOrthogonal() const { return isOrthogonal_; }
    int GetXCenter() const { return xCenter_; }
    int GetYCenter() const { return yCenter_; }
    int GetZCenter() const { return zCenter_; }
    int GetXCenterOffset() const { return xCenterOffset_; }
    int GetYCenterOffset() const { return yCenterOffset_; }
    double GetZoomFactor() const { return zoomFactor_; }
    double GetPerspectiveFactor() const { return perspectiveFactor_; }
    bool GetFontZoom() const { return fontZoom_; }
    const TRect& GetBounds() const { return bounds_; }

    // ---- flat operations
    TColor GetBackColor() override;
    TCanvasBackMode GetBackMode() override;
    HDC GetHandle() override;
    bool GetMonochrome() override { return monochrome_; }
    int GetTextAlign() override;
    bool GetUseBuffer() override { return useBuffer_; }
    void SetBackColor(TColor Color) override;
    void SetBackMode(TCanvasBackMode Mode) override;
    void SetMonochrome(bool Value) override;
    void SetPixel(int X, int Y, TColor Value) override;
    void SetTextAlign(int Align) override;
    void SetUseBuffer(bool Value) override;
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void Draw(int X, int Y, TGraphic* Graphic) override;
    void Ellipse(int X1, int Y1, int X2, int Y2) override;
    void FillRect(const TRect& Rect) override;
    void Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width) override;
    void LineTo(int X, int Y) override;
    void MoveTo(int X, int Y) override;
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) override;
    void Rectangle(int X0, int Y0, int X1, int Y1) override;
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) override;
    void StretchDraw(const TRect& Rect, TGraphic* Graphic) override;
    void TextOut(int X, int Y, const AnsiString& Text) override;
    void ClipRectangle(const TRect& Rect) override;
    void DoHorizLine(int X0, int X1, int Y) override;
    void DoRectangle(const TRect& Rect) override;
    void DoVertLine(int X, int Y0, int Y1) override;
    void EraseBackground(const TRect& Rect) override;
    void GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor, TGradientDirection Direction) override;
    void Invalidate() override { stale_ = true; }
    void Line(int X0, int Y0, int X1, int Y1) override;
    void Polygon(const TPoint* Points, int LastIndex) override;
    void RotateLabel(int X, int Y, const AnsiString& Text, int Angle) override;
    void UnClipRectangle() override;

    // ---- operations with depth
    void SetPixel3D(int X, int Y, int Z, TColor Value) override;
    bool GetSupportsFullRotation() override { return false; }
    bool GetSupports3DText() override { return false; }
    void Calculate2DPosition(int& X, int& Y, int Z) override;
    TPoint Calculate3DPosition(int X, int Y, int Z) override;
    TRect InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor, bool Is3D,
                     const TRect& UserRect) override;
    void Projection(int MaxDepth, const TRect& ABounds, const TRect& ARect) override;
    void ShowImage(TCanvas* DestCanvas, TCanvas* DefaultCanvas, const TRect& UserRect) override;
    bool ReDrawBitmap() override;
    void Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int ArrowWidth, int ArrowHeight,
               int Z) override;
    void ClipCube(const TRect& Rect, int MinZ, int MaxZ) override;
    void Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, int ConePercent) override;
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) override;
    void Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D) override;
    void HorizLine3D(int Left, int Right, int Y, int Z) override;
    void VertLine3D(int X, int Top, int Bottom, int Z) override;
    void ZLine3D(int X, int Y, int Z0, int Z1) override;
    void EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) override;
    void FrontPlaneBegin() override;
    void FrontPlaneEnd() override;
    void LineWithZ(int X0, int Y0, int X1, int Y1, int Z) override;
    void MoveTo3D(int X, int Y, int Z) override;
    void LineTo3D(int X, int Y, int Z) override;
    void Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
               double EndAngle, bool DarkSides, bool DrawSides) override;
    void Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) override;
    void PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4, int Z) override;
    void PlaneFour3D(TFourPoints& Points, int Z0, int Z1) override;
    void PolygonWithZ(const TPoint* Points, int LastIndex, int Z) override;
    void Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool DarkSides) override;
    void RectangleWithZ(const TRect& Rect, int Z) override;
    void RectangleY(int Left, int Top, int Right, int Z0, int Z1) override;
    void RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) override;
    void RotateLabel3D(int X, int Y, int Z, const AnsiString& Text, int Angle) override;
    void Sphere(int X, int Y, int Z, double Radius) override;
    void Surface3D(TTeeCanvasSurfaceStyle Style, bool SameBrush, int NumXValues, int NumZValues,
                   TTeeCanvasCalcPoints CalcPoints, TColor Color) override;
    void TextOut3D(int X, int Y, int Z, const AnsiString& Text) override;
    void Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) override;
    void TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) override;

private:
    void CalcRotationTerms();
    // Text follows the view's zoom, and the zoom is not 100 percent.
    bool TextZooms() const;
    // The point size text is drawn at: the font's own, or zoomed with the view.
    int ZoomedFontSize() const;
    // The current font's record, with the height of that size when zoomed.
    LOGFONT ZoomedFont();
    void Polyline(const TPoint* Points, int Count);
    // One polygon through the projections of up to eight chart points.
    void Polygon3D(std::initializer_list<TPoint3D> Points);

    TView3DOptions* view3DOptions_ = nullptr;
    bool isOrthogonal_ = false;
    int xCenter_ = 0, yCenter_ = 0, zCenter_ = 0;
    int xCenterOffset_ = 0, yCenterOffset_ = 0;
    // Rotation terms: products of the sines and cosines of the three angles.
    long double sinE_ = 0, m1_ = 0;
    double a_ = 1, b_ = 0, c_ = 0, d_ = 0, e_ = 1, g_ = 0, m3_ = 0;
    bool is3D_ = false;
    bool savedIs3D_ = false;
    TBitmap* bitmap_ = nullptr;
    bool useBuffer_ = true;
    bool monochrome_ = false;
    bool stale_ = true;
    TRect bounds_;
    bool fontZoom_ = true;
    double zoomFactor_ = 1.0;
    double perspectiveFactor_ = 0;
};
