#pragma once
// Platform-internal: what a metafile's device context records. Every
// drawing call is kept in logical units with a copy of the state it was
// drawn under; the file writers and the playback compare each record's
// state with the one before and put down only what changed. A printer's
// page is recorded the same way, in device pixels (see devicePage).

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/GdiInternal.h"

struct TMetaState {
    LOGPEN pen;
    LOGBRUSH brush;
    LOGFONT font;
    COLORREF textColor = 0, bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    unsigned textAlign = 0;
    int polyFillMode = ALTERNATE;
    bool hasClip = false;
    TRect clip;  // logical bounds of the clip region
    TPoint brushOrg;  // device pixels, where hatches start
};

bool SamePen(const LOGPEN& a, const LOGPEN& b);
bool SameBrush(const LOGBRUSH& a, const LOGBRUSH& b);
bool SameFont(const LOGFONT& a, const LOGFONT& b);

enum class TMetaOp { Line, Polyline, PolyBezier, Polygon, Rectangle, RoundRect, Ellipse, Arc, Pie, Chord, Text,
                     Pixel, Image, PatBlt };

struct TMetaRecord {
    TMetaOp op;
    TMetaState state;
    // Line: from, to. Polylines and polygons: the points. Shapes: the two
    // corners, then the corner size or the arc's start and end points.
    // Text: the reference point. Pixel: the point. Image and PatBlt: the
    // destination's corners.
    std::vector<TPoint> points;
    // Text: options, the rectangle (when the options use one), the UTF-8
    // text and each character's advance. Pixel: the colour in options.
    unsigned options = 0;
    TRect rect;
    std::string text;
    std::vector<int> dx;
    // Image: the source pixels, top-down; Image and PatBlt: the raster operation.
    std::shared_ptr<TPixelImage> image;
    unsigned rop = 0;
    // Image: source pixels of the key colour are left out when played back
    // (the files show them).
    bool keyed = false;
    COLORREF key = 0;
};

struct TMetaRecording {
    int width = 0, height = 0;  // pixels
    std::vector<TMetaRecord> records;
    // A printer's page: points, sizes, pen widths, font heights and the clip
    // are device pixels, rounded as the raster rounds them; text keeps only
    // the advances its caller gave, the page's painter lays out the rest.
    bool devicePage = false;
    int patternScale = 1;  // device pixels per unit of a hatch or a pen's dashes
};

// The recording side: called by the GDI functions on a context that
// records (TDeviceContext::recording) before they draw.
void MetaRecordShape(HDC DC, TMetaOp Op, std::vector<TPoint> Points);
void MetaRecordFill(HDC DC, const TRect& Rect, HBRUSH Brush);
void MetaRecordText(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, const char* Text, int Length,
                    const int* Dx);
void MetaRecordPixel(HDC DC, int X, int Y, COLORREF Color);
// Destination in logical units; the source box in the source's device pixels.
void MetaRecordImage(HDC DC, const TRect& Dest, HDC Source, const TPixelBox& SourceBox, unsigned Rop,
                     const COLORREF* Key);
void MetaRecordPatBlt(HDC DC, const TRect& Dest, unsigned Rop);

// The file formats: MetafileEmfWriter.cpp, MetafileWmfWriter.cpp and
// MetafileEmfReader.cpp.
std::string WriteEnhancedMetafile(const TMetaRecording& Recording);
std::string WriteWindowsMetafile(const TMetaRecording& Recording);
// Reads an enhanced metafile made of the records the writer puts down;
// false for anything else.
bool ReadEnhancedMetafile(const std::string& Bytes, TMetaRecording& Recording);
