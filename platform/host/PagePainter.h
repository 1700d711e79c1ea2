#pragma once
// Platform-internal: a printer's page as its device context recorded it
// (MetafileRecords.h, in device pixels), put down on the host's painter of a
// PDF file or a printer: text as text, lines and shapes as paths, pictures
// as images, each where and as the raster would have drawn it on white paper.

class QPainter;
struct TMetaRecording;

void PaintRecordedPage(const TMetaRecording& Page, QPainter& Painter);
