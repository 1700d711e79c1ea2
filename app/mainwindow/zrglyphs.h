#pragma once
// The small pictures of the main window's buttons, drawn at start-up: 16 x 16
// on a fuchsia background, which the buttons leave transparent. Tool bar
// pictures are black and white; page buttons add one colour.

#include "platform/gdi/Graphics.h"

enum TButtonPicture {
    bpNewDocument, bpOpenFolder, bpSave, bpPrint, bpExport, bpLookup, bpHelp, bpAdd, bpRemove,
    bpRecalculate, bpTrendline, bpFibonacci, bpErase, bpGo, bpBack, bpForward, bpStop
};

// Draws the picture into Glyph (resized to 16 x 16) in Ink, with Accent for
// the parts a coloured picture fills.
void DrawButtonPicture(TBitmap* Glyph, TButtonPicture Picture, TColor Ink, TColor Accent);
