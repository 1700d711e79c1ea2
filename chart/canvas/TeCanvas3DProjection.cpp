// How the 3-D canvas places chart points (x, y, depth) on the screen: the
// oblique (orthogonal) view that shifts depth right and up, the rotated view
// with optional perspective, and the flat view of a 2-D chart. Also the
// clipping to a rectangle or to the outline of a cube.
#include <algorithm>

#include "chart/canvas/TeCanvasPixels.h"
#include "chart/canvas/TeCanvas.h"

namespace {

constexpr long double kDegree = 0.017453292519943295L;  // pi / 180
// Keeps the divisors of the inverse projection away from zero.
constexpr double kMinDivisor = 0.00001;

}  // namespace

TTeeCanvas3D::~TTeeCanvas3D() { DeleteBitmap(); }

TRect TTeeCanvas3D::InitWindow(TCanvas* DestCanvas, TView3DOptions* A3DOptions, TColor ABackColor, bool Is3D,
                               const TRect& UserRect) {
    (void)ABackColor;
    bounds_ = UserRect;
    view3DOptions_ = A3DOptions;
    is3D_ = Is3D;
    isOrthogonal_ = false;
    zoomFactor_ = 1.0;
    if (is3D_) {
        if (view3DOptions_) {
            isOrthogonal_ = view3DOptions_->GetOrthogonal();
            zoomFactor_ = view3DOptions_->GetZoom() * 0.01;
            fontZoom_ = view3DOptions_->GetZoomText();
        }
        if (!isOrthogonal_) CalcRotationTerms();
    }
    if (!useBuffer_) {
        SetCanvas(DestCanvas);
        return UserRect;
    }
    int width = UserRect.Right - UserRect.Left, height = UserRect.Bottom - UserRect.Top;
    if (bitmap_ && (bitmap_->GetWidth() != width || bitmap_->GetHeight() != height)) DeleteBitmap();
    if (!bitmap_) {
        bitmap_ = new TBitmap;
        bitmap_->SetMonochrome(monochrome_);
        bitmap_->SetSize(width, height);
    }
    TCanvas* canvas = bitmap_->GetCanvas();
    canvas->OnChange = nullptr;
    SetCanvas(canvas);
    return TRect(0, 0, width, height);
}

void TTeeCanvas3D::CalcRotationTerms() {
    long double r = 0, e = 0, t = 0;
    if (view3DOptions_) {
        r = view3DOptions_->GetRotation() * kDegree;
        e = view3DOptions_->GetElevation() * kDegree;
        t = view3DOptions_->GetTilt() * kDegree;
    }
    perspectiveFactor_ = 0;
    long double sinR, cosR, sinE, cosE, sinT, cosT;
    SinCos(r, sinR, cosR);
    SinCos(e, sinE, cosE);
    SinCos(t, sinT, cosT);
    sinE_ = sinE;
    m1_ = cosE * sinR;
    a_ = std::max(static_cast<double>(sinR * sinE * sinT + cosR * cosT), kMinDivisor);
    b_ = static_cast<double>(cosE * sinT);
    c_ = static_cast<double>(cosR * sinE * sinT - cosT * sinR);
    d_ = static_cast<double>(cosT * sinR * sinE - cosR * sinT);
    e_ = std::max(static_cast<double>(cosE * cosT), kMinDivisor);
    g_ = static_cast<double>(cosR * cosT * sinE + sinR * sinT);
    m3_ = static_cast<double>(cosR * cosE);
}

void TTeeCanvas3D::Projection(int MaxDepth, const TRect& ABounds, const TRect& ARect) {
    (void)ABounds;
    RectCenter(ARect, xCenter_, yCenter_);
    zCenter_ = MaxDepth / 2;
    xCenterOffset_ = xCenter_;
    yCenterOffset_ = yCenter_;
    if (view3DOptions_) {
        xCenterOffset_ = OffsetPixel(xCenter_, view3DOptions_->GetHorizOffset());
        yCenterOffset_ = OffsetPixel(yCenter_, view3DOptions_->GetVertOffset());
        if (view3DOptions_->GetPerspective() > 0) perspectiveFactor_ = view3DOptions_->GetPerspective() / 35000.0;
    }
}

// Between FrontPlaneBegin and FrontPlaneEnd the chart is not 3-D, and that
// holds for the oblique view too: front-plane drawing stays flat.
void TTeeCanvas3D::Calc3DPos(int& X, int& Y, int Z) const {
    if (!is3D_) return;
    if (isOrthogonal_) {
        X = OffsetPixel(RoundPixel((static_cast<double>(X) - xCenter_ + Z) * zoomFactor_), xCenterOffset_);
        Y = OffsetPixel(RoundPixel((static_cast<double>(Y) - yCenter_ - Z) * zoomFactor_), yCenterOffset_);
        return;
    }
    double x = static_cast<double>(X) - xCenter_, y = static_cast<double>(Y) - yCenter_,
           z = static_cast<double>(Z) - zCenter_;
    long double f = zoomFactor_;
    if (perspectiveFactor_ > 0) f = (1 - (x * m1_ - y * sinE_ + z * m3_) * perspectiveFactor_) * zoomFactor_;
    X = OffsetPixel(RoundPixel((x * a_ + y * b_ + z * c_) * f), xCenterOffset_);
    Y = OffsetPixel(RoundPixel((x * d_ + y * e_ + z * g_) * f), yCenterOffset_);
}

void TTeeCanvas3D::Calc3DPoint(TPoint& P, int X, int Y, int Z) const {
    P = TPoint(X, Y);
    Calc3DPos(P.x, P.y, Z);
}

void TTeeCanvas3D::Calc3DTPoint(TPoint& P, int Z) const { Calc3DPos(P.x, P.y, Z); }

TPoint TTeeCanvas3D::Calc3DTPoint3D(const TPoint3D& P) const {
    TPoint result;
    Calc3DPoint(result, P.x, P.y, P.z);
    return result;
}

TPoint TTeeCanvas3D::Calculate3DPosition(int X, int Y, int Z) {
    TPoint result;
    Calc3DPoint(result, X, Y, Z);
    return result;
}

// Perspective is left out: the inverse is the plain rotation's.
void TTeeCanvas3D::Calculate2DPosition(int& X, int& Y, int Z) {
    if (zoomFactor_ == 0 || !is3D_) return;
    double inv = 1 / zoomFactor_;
    double x = static_cast<double>(X), y = static_cast<double>(Y);
    if (isOrthogonal_) {
        X = OffsetPixel(RoundPixel((x - xCenterOffset_) * inv), xCenter_ - Z);
        Y = OffsetPixel(RoundPixel((y - yCenterOffset_) * inv), yCenter_ + Z);
        return;
    }
    double z = static_cast<double>(Z) - zCenter_;
    X = OffsetPixel(RoundPixel(((x - xCenterOffset_) * inv - z * c_ - (y - yCenter_) * b_) / a_), xCenter_);
    Y = OffsetPixel(RoundPixel(((y - yCenterOffset_) * inv - z * g_ - (x - xCenter_) * d_) / e_), yCenter_);
}

void TTeeCanvas3D::FrontPlaneBegin() {
    savedIs3D_ = is3D_;
    is3D_ = false;
}

void TTeeCanvas3D::FrontPlaneEnd() { is3D_ = savedIs3D_; }

// ---- Clipping ----------------------------------------------------------------------
void TTeeCanvas3D::ClipRectangle(const TRect& Rect) { ClipCanvas(GetCanvas(), Rect); }

void TTeeCanvas3D::UnClipRectangle() { UnClipCanvas(GetCanvas()); }

// The outline of the cube as seen: front face, top and right side.
void TTeeCanvas3D::ClipCube(const TRect& Rect, int MinZ, int MaxZ) {
    if (!is3D_) {
        ClipRectangle(TRect(Rect.Left + 1, Rect.Top + 1, Rect.Right, Rect.Bottom - 1));
        return;
    }
    TPoint p[6], topRightFront;
    Calc3DPoint(p[0], Rect.Left, Rect.Bottom, MinZ);
    Calc3DPoint(p[1], Rect.Left, Rect.Top, MinZ);
    Calc3DPoint(topRightFront, Rect.Right, Rect.Top, MinZ);
    Calc3DPoint(p[2], Rect.Left, Rect.Top, MaxZ);
    if (topRightFront.y < p[2].y) p[2] = topRightFront;
    Calc3DPoint(p[3], Rect.Right, Rect.Top, MaxZ);
    Calc3DPoint(p[4], Rect.Right, Rect.Bottom, MaxZ);
    if (topRightFront.x > p[4].x) p[4] = topRightFront;
    Calc3DPoint(p[5], Rect.Right, Rect.Bottom, MinZ);
    if (p[5].x < p[0].x) {
        p[0].x = p[5].x;
        if (topRightFront.y < p[0].y) p[0].y = topRightFront.y;
    }
    HDC dc = GetHandle();
    LPtoDP(dc, p, 6);
    HRGN region = CreatePolygonRgn(p, 6, ALTERNATE);
    SelectClipRgn(dc, region);
    DeleteObject(region);
}
