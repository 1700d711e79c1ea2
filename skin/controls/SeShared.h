#pragma once
// The classic look: how the custom-drawn controls draw themselves when no
// skin is loaded. Every routine draws inside the rectangle it is given.

#include "platform/controls/ExtCtrls.h"
#include "platform/gdi/Graphics.h"
#include "skin/controls/SeConst.h"

enum TSeArrowKind { kakUp, kakDown, kakLeft, kakRight };

// A push button's face in State (kssHot draws as normal with a lighter
// edge, kssPressed sunken). Default adds the black outer frame, Focused the
// focus rectangle. R becomes the content rectangle (shifted by one pixel
// when pressed).
void DrawButtonFace(TCanvas* Canvas, TRect& R, TSeState State, bool Default, bool Focused);
// The flat face of a speed button: nothing when normal, a thin raised
// frame when hot, sunken when pressed or down. R becomes the content.
void DrawFlatButtonFace(TCanvas* Canvas, TRect& R, TSeState State, bool Down);
// The two-pixel sunken frame of an edit or list; R shrinks inside it.
void DrawSunkenFrame(TCanvas* Canvas, TRect& R);
// A 13 x 13 check box (a tick when checked) or radio circle (a dot when
// checked) centred in R.
void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled);
void DrawRadioGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled);
// A solid triangle pointing Kind, centred in R.
void DrawArrow(TCanvas* Canvas, const TRect& R, TSeArrowKind Kind, TColor Color);
// The etched frame of a group box with Caption cut into its top edge.
void DrawGroupFrame(TCanvas* Canvas, const TRect& R, const AnsiString& Caption);
// Text at (X, Y) as disabled text is drawn: grey over a white shadow.
void DrawGrayText(TCanvas* Canvas, int X, int Y, const AnsiString& Text);
// Glyph at (X, Y); its bottom-left pixel colour is transparent. A disabled
// glyph is drawn as an embossed silhouette.
void DrawGlyph(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, bool Enabled);
// The dotted focus rectangle, drawn by inverting every other pixel of the
// edge: drawing it twice restores what was there.
void DrawFocusRect(TCanvas* Canvas, const TRect& R);
