#pragma once
// A picture kept as the drawing calls that made it: what is drawn on a
// TMetafileCanvas is recorded into its TMetafile when the canvas is freed.
// Saved as an enhanced metafile (.emf) or, when Enhanced is false, as a
// placeable Windows metafile (.wmf), which other programs open and scale
// without loss; drawn onto another canvas by playing the calls back.

#include <memory>

#include "platform/gdi/Graphics.h"

struct TMetaRecording;

class TMetafile : public TGraphic {
public:
    TMetafile();
    ~TMetafile() override;
    void Assign(TPersistent* Source) override;
    // The picture's size in pixels at 96 pixels per inch.
    int GetWidth() const override { return width_; }
    int GetHeight() const override { return height_; }
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    // The size in hundredths of a millimetre.
    int GetMMWidth() const;
    int GetMMHeight() const;
    bool GetEmpty() const override;
    bool GetEnhanced() const { return enhanced_; }
    void SetEnhanced(bool Value) { enhanced_ = Value; }
    void Clear();
    // Reads back an enhanced metafile of the records SaveToFile writes;
    // EInvalidGraphic for any other file.
    void LoadFromFile(const AnsiString& FileName) override;
    // In the format Enhanced chooses; EFCreateError when it cannot write.
    void SaveToFile(const AnsiString& FileName) override;
    // The file's bytes, as SaveToFile writes them.
    std::string SaveToBytes() const;
    // Plays the recorded calls back scaled from the picture's size into Rect.
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

private:
    friend class TMetafileCanvas;
    int width_ = 0, height_ = 0;
    bool enhanced_ = true;
    std::shared_ptr<TMetaRecording> recording_;
};

// A canvas that records into a metafile. The recording replaces the
// metafile's picture when the canvas is freed. The reference device gives
// the resolution (its LOGPIXELSX), 96 pixels per inch without one.
class TMetafileCanvas : public TCanvas {
public:
    TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice);
    ~TMetafileCanvas() override;

private:
    TMetafile* metafile_;
    std::shared_ptr<TMetaRecording> recording_;
};
