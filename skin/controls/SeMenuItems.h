#pragma once
// A menu item and its tree of sub-items. "&" in the caption marks the
// access key (the next character; "&&" is a plain "&"); the caption "-" makes
// a separator. An item frees its sub-items; a freed item leaves its parent.
//
//     auto* file = new TSeCustomItem(form);
//     file->SetCaption("&File");
//     menuBar->GetItems()->Add(file);
//     auto* exit = new TSeCustomItem(form);
//     exit->SetCaption("E&xit");
//     exit->OnClick = TNotifyEvent(form, &TMainForm::ExitClick);
//     file->Add(exit);
//
// Drawing lives here too, so that a skinned item (TSeSkinItem) changes the
// look of the menus it belongs to: PaintBarItem draws a top-level item on the
// bar, PaintPopupItem a sub-item in its popup and PaintPopup the popup
// of this item's sub-items.

#include <vector>

#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"
#include "platform/gdi/Graphics.h"
#include "skin/controls/SeConst.h"

class TSeCustomItem : public TComponent {
public:
    explicit TSeCustomItem(TComponent* AOwner);
    ~TSeCustomItem() override;

    const AnsiString& GetCaption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    bool GetEnabled() const { return enabled_; }
    void SetEnabled(bool Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    bool GetChecked() const { return checked_; }
    void SetChecked(bool Value);
    const AnsiString& GetHint() const { return hint_; }
    void SetHint(const AnsiString& Value) { hint_ = Value; }

    // The sub-items.
    int GetCount() const { return static_cast<int>(items_.size()); }
    TSeCustomItem* GetItems(int Index) const;  // EListError out of range
    TSeCustomItem* GetParent() const { return parent_; }
    int IndexOf(const TSeCustomItem* Item) const;
    // Adds (or inserts before Index) an item; it leaves its old parent first.
    void Add(TSeCustomItem* Item);
    void Insert(int Index, TSeCustomItem* Item);
    // Frees the sub-item at Index.
    void Delete(int Index);
    void Clear();
    // Takes the sub-item out without freeing it.
    void Remove(TSeCustomItem* Item);

    bool IsLine() const { return caption_ == "-"; }
    // The caption without its "&" marks; the access key upper-cased, 0 when none.
    AnsiString GetDisplayCaption() const;
    char GetAccessKey() const;
    // Visible, enabled and not a separator: the keys may stop here.
    bool IsSelectable() const { return visible_ && enabled_ && !IsLine(); }

    // Runs OnClick when enabled.
    virtual void Click();
    TNotifyEvent OnClick;

    // Called when the item or its sub-items change: the menus repaint.
    TNotifyEvent OnChange;

    // Sizes and drawing of the menus.
    virtual int PopupItemHeight(TCanvas* Canvas) const;
    virtual int PopupItemWidth(TCanvas* Canvas) const;
    virtual int BarItemWidth(TCanvas* Canvas) const;
    virtual void PaintBarItem(TCanvas* Canvas, const TRect& Rect, TSeState State);
    virtual void PaintPopupItem(TCanvas* Canvas, const TRect& Rect, TSeState State);
    // The popup's background and frame; Rect shrinks to the items' area.
    virtual void PaintPopup(TCanvas* Canvas, TRect& Rect);
    // Caption text with the access key underlined, starting at (X, Y).
    void DrawCaption(TCanvas* Canvas, int X, int Y, TColor Color) const;

private:
    void Changed();
    AnsiString caption_;
    AnsiString hint_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    TSeCustomItem* parent_ = nullptr;
    std::vector<TSeCustomItem*> items_;
};

// What a popup item shows over its face: the caption with its access key
// underlined, a check mark, an arrow for a submenu, or the separator line, in
// TextColor. Classic adds the embossed grey of disabled items and the etched
// separator.
void DrawPopupItemParts(TSeCustomItem* Item, TCanvas* Canvas, const TRect& Rect, TColor TextColor, bool Classic);
// Where the check mark and the submenu arrow go; the caption starts after the check column.
constexpr int kMenuCheckWidth = 20;
constexpr int kMenuArrowWidth = 16;
