#pragma once
// Skin objects: named pieces of the skin that draw one kind of control part
// (a button face, a caption button, a window frame) on any canvas, into a
// rectangle, in one of the drawing states. Controls find them by name in the
// skin engine and never draw their look themselves.

#include <functional>
#include <memory>

#include "platform/gdi/Graphics.h"
#include "skin/controls/SeConst.h"

// Alignment of DrawText: one horizontal and one vertical member.
enum : unsigned { ksaLeft = 0x0, ksaCenter = 0x1, ksaRight = 0x2, ksaTop = 0x0, ksaVCenter = 0x4, ksaBottom = 0x8 };

// The look of one drawing state: a face (a vertical gradient from Face to
// FaceEnd, one colour when they are equal), a 1-pixel border and the text.
struct TSeStateLook {
    TColor Face = clNone;
    TColor FaceEnd = clNone;
    TColor Border = clNone;
    TColor Text = clNone;
};

constexpr int kStateCount = kssDefault + 1;

class ESkinError : public Exception {
public:
    using Exception::Exception;
};

class TSeSkinObject : public TObject {
public:
    TSeSkinObject();
    ~TSeSkinObject() override;

    const AnsiString& GetName() const { return name_; }
    void SetName(const AnsiString& Value) { name_ = Value; }
    // The kind it was made as ("box", "button"...).
    const AnsiString& GetKind() const { return kind_; }

    // The look of a state; a state the skin leaves out looks as the normal one.
    const TSeStateLook& GetLook(TSeState State) const;
    void SetLook(TSeState State, const TSeStateLook& Look);
    int GetRadius() const { return radius_; }
    // Space between the object's edge and its content.
    const TRect& GetMargins() const { return margins_; }
    TFont* GetFont() const { return font_; }

    virtual void Draw(TCanvas* Canvas, const TRect& R, TSeState State);
    // Draws Text inside R less the margins, in the state's text colour;
    // without Align, as the kind places its text (DefaultAlign).
    void DrawText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TSeState State) {
        DrawText(Canvas, R, Text, State, DefaultAlign());
    }
    virtual void DrawText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TSeState State, unsigned Align);
    virtual unsigned DefaultAlign() const { return ksaLeft | ksaVCenter; }
    // R less the margins: where a control puts its content.
    TRect ContentRect(const TRect& R) const;

    // Takes one parameter of the skin description; false when unknown.
    virtual bool ReadParam(const AnsiString& Key, const AnsiString& Value);

protected:
    void PrepareFont(TCanvas* Canvas, TSeState State) const;
    void FillFace(TCanvas* Canvas, const TRect& R, const TSeStateLook& Look) const;
    void DrawBorder(TCanvas* Canvas, const TRect& R, TColor Color) const;

private:
    friend class TSeSkinObjectRegistry;
    AnsiString name_;
    AnsiString kind_;
    TSeStateLook looks_[kStateCount];
    bool hasLook_[kStateCount] = {};
    int radius_ = 0;
    TRect margins_;
    TFont* font_;
};

// A push button: the box, with the text centred.
class TSeButtonObject : public TSeSkinObject {
public:
    unsigned DefaultAlign() const override { return ksaCenter | ksaVCenter; }
};

// Text only: no face, no border.
class TSeTextObject : public TSeSkinObject {
public:
    void Draw(TCanvas* Canvas, const TRect& R, TSeState State) override;
};

// Text that underlines itself when hot.
class TSeLinkObject : public TSeTextObject {
public:
    using TSeTextObject::DrawText;
    void DrawText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, TSeState State, unsigned Align) override;
};

enum TSeSystemGlyph { ksgClose, ksgMinimize, ksgMaximize, ksgRestore, ksgRollUp, ksgTray, ksgSysMenu };

// A caption button: the box with a glyph drawn in the text colour.
class TSeSystemButtonObject : public TSeSkinObject {
public:
    void Draw(TCanvas* Canvas, const TRect& R, TSeState State) override;
    // The same button with another glyph (one object serving every caption button).
    void DrawGlyphed(TCanvas* Canvas, const TRect& R, TSeState State, TSeSystemGlyph Glyph);
    bool ReadParam(const AnsiString& Key, const AnsiString& Value) override;
    TSeSystemGlyph GetGlyph() const { return glyph_; }
    int GetGlyphSize() const { return glyphSize_; }

private:
    void DrawGlyph(TCanvas* Canvas, const TRect& Box, TColor Color, TSeSystemGlyph Glyph) const;
    TSeSystemGlyph glyph_ = ksgClose;
    int glyphSize_ = 8;
};

// A window frame: borders of BorderWidth around the window and a caption
// bar of CaptionHeight under the top border. The normal state is the active
// window, the disabled state the inactive one.
class TSeFormObject : public TSeSkinObject {
public:
    void Draw(TCanvas* Canvas, const TRect& R, TSeState State) override;
    bool ReadParam(const AnsiString& Key, const AnsiString& Value) override;
    int GetCaptionHeight() const { return captionHeight_; }
    int GetBorderWidth() const { return borderWidth_; }
    int GetButtonSize() const { return buttonSize_; }
    // The caption bar of a window with bounds R (origin at its top left).
    TRect CaptionRect(const TRect& R) const;
    // What the frame leaves for the window's controls.
    TRect ClientRect(const TRect& R) const;

private:
    int captionHeight_ = 22;
    int borderWidth_ = 4;
    int buttonSize_ = 18;
};

// Makes skin objects by kind name; every kind above is registered.
class TSeSkinObjectRegistry {
public:
    using Factory = std::function<std::unique_ptr<TSeSkinObject>()>;
    static void Register(const AnsiString& Kind, Factory Make);
    // nullptr for a kind nobody registered.
    static std::unique_ptr<TSeSkinObject> Create(const AnsiString& Kind);
};

// Colours written as #RRGGBB; false for anything else.
bool ParseSkinColor(const AnsiString& Text, TColor& Color);
