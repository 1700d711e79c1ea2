#pragma once
// Captions whose '&' marks the access key: "&Print" shows Print with the P
// underlined and makes P the key, "&&" shows one ampersand. The standard
// controls, the skinned menus and the message box read them alike.

#include "platform/gdi/Graphics.h"
#include "platform/runtime/Types.h"

// The caption as shown, without its marks.
AnsiString CaptionText(const AnsiString& Caption);
// The access key as written ('P' for "&Print"), 0 when none.
char CaptionAccessKey(const AnsiString& Caption);
// Whether Key (a virtual key: an upper-case letter or a digit) is the
// caption's access key.
bool IsAccessKey(Word Key, const AnsiString& Caption);
// Underlines the access key of the caption whose shown text was drawn at
// (X, Y) in the canvas font.
void UnderlineAccessKey(TCanvas* Canvas, int X, int Y, const AnsiString& Caption, TColor Color);
