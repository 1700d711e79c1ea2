#pragma once
// The classic look the standard controls draw themselves in: raised and
// sunken edges, check and radio marks, arrows, the etched frame of a group,
// the dotted focus rectangle, and captions whose '&' marks the access key.

#include "platform/controls/AccessKeys.h"
#include "platform/controls/ExtCtrls.h"

enum TClassicArrow { arUp, arDown, arLeft, arRight };

// Fills R with Color.
void ClassicFill(TCanvas* Canvas, const TRect& R, TColor Color);
// A push button's face: raised, or sunken while Pressed. R shrinks to the
// content (moved one pixel down and right when pressed).
void ClassicButtonFace(TCanvas* Canvas, TRect& R, bool Pressed);
// The two-pixel sunken edge of an edit or a list; R shrinks inside it.
void ClassicSunkenEdge(TCanvas* Canvas, TRect& R);
// A 13 x 13 check box or radio circle centred in R, marked when Checked.
void ClassicCheckMark(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled);
void ClassicRadioMark(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled);
// A solid triangle centred in R.
void ClassicArrow(TCanvas* Canvas, const TRect& R, TClassicArrow Direction, bool Enabled);
// The etched frame of a group box with its caption cut into the top edge
// over the group's Back colour.
void ClassicGroupFrame(TCanvas* Canvas, const TRect& R, const AnsiString& Caption, TColor Back, bool Enabled);
// One row of a list (or a combo box's text) in R: white, or highlighted
// when Selected, the text greyed when not Enabled.
void ClassicItemText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, bool Selected, bool Enabled);
// The dotted focus rectangle: every other pixel of the edge inverted, so
// drawing it twice restores what was there.
void ClassicFocusRect(TCanvas* Canvas, const TRect& R);

// A caption's size as shown (a text's height when empty).
TSize CaptionExtent(TCanvas* Canvas, const AnsiString& Caption);
// The caption at (X, Y) in the canvas font, greyed when not Enabled.
void ClassicCaption(TCanvas* Canvas, int X, int Y, const AnsiString& Caption, bool Enabled);
