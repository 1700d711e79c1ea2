#pragma once
// The print preview of a chart panel: a modal window showing a sheet of
// paper in the printer's orientation with the chart placed by the panel's
// print margins. The user picks the printer and the orientation, sets the
// margins by typing, stepping or dragging on the sheet, chooses the detail
// and proportional margins, and prints. Every setting goes straight into
// the panel (PrintMargins, PrintProportional, PrintResolution) and stays
// there; the printer's orientation is given back when the window closes.
//
//     ChartPreview(MainForm, Chart);

#include "chart/panel/TeePanel.h"
#include "platform/controls/Forms.h"

class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TGroupBox;
class TLabel;
class TPanel;
class TPrinterSetupDialog;
class TRadioGroup;
class TScrollBar;
class TUpDown;

// What a drag on the sheet moves.
enum TeePreviewZones { teePrev_None, teePrev_Left, teePrev_Top, teePrev_Right, teePrev_Bottom, teePrev_Image,
                       teePrev_LeftTop, teePrev_RightTop, teePrev_LeftBottom, teePrev_RightBottom };

// Fired after every drag step with the panel's new print margins;
// DisableProportional is true for a mouse drag.
using TeeChangeMarginsEvent =
    TClosure<void(TObject* Sender, bool DisableProportional, const TRect& Margins)>;

// Where the sheet goes in a client area of ClientWidth x ClientHeight for a
// printer page of PageWidth x PageHeight pixels: 90 % of the side that the
// page's long side lies along, centred, keeping the page's shape.
TRect PreviewPaperRect(int PageWidth, int PageHeight, int ClientWidth, int ClientHeight);

// The sheet: the paper, the chart on it where the print margins put it, the
// dotted margin lines, and the drags that move the margins and the chart.
class TTeePreviewPage : public TGraphicControl {
public:
    explicit TTeePreviewPage(TComponent* AOwner);

    // The chart drawn where the panel's print margins place it on the paper:
    // through a metafile, or a bitmap when AsBitmap.
    void DrawImage(TCanvas* ACanvas);
    void DrawPaper(TCanvas* ACanvas);
    void DrawBack(TCanvas* ACanvas);
    // The four margin lines in not-xor: drawn twice they are gone again.
    void DrawMargins(TCanvas* ACanvas);
    // ImageRect from the panel's print margins and the paper.
    TRect CalcImagePrintMargins() const;
    // A new bitmap (the caller frees it) of the chart at print detail.
    TBitmap* GetPrintingBitmap();
    // What a press at (X, Y) would drag.
    TeePreviewZones WhereIsCursor(int X, int Y) const;
    // Prints the panel: through its own Print, or stretched from a bitmap
    // into its print rectangle when AsBitmap.
    void Print();

    // Margin lines and corners may be dragged.
    bool GetAllowResize() const { return allowResize_; }
    void SetAllowResize(bool Value) { allowResize_ = Value; }
    // The chart may be dragged as a whole.
    bool GetAllowMove() const { return allowMove_; }
    void SetAllowMove(bool Value) { allowMove_ = Value; }
    bool GetAsBitmap() const { return asBitmap_; }
    void SetAsBitmap(bool Value);
    // When false, a drag moves only the margin lines, drawn in not-xor; the
    // chart follows when the button is released.
    bool GetDragImage() const { return dragImage_; }
    void SetDragImage(bool Value) { dragImage_ = Value; }
    // The panel shown (not owned).
    TCustomTeePanel* GetImage() const { return image_; }
    void SetImage(TCustomTeePanel* Panel);
    TColor GetPaperColor() const { return paperColor_; }
    void SetPaperColor(TColor Value);
    bool GetShowImage() const { return showImage_; }
    void SetShowImage(bool Value);
    bool GetShowMargins() const { return showMargins_; }
    void SetShowMargins(bool Value);
    TeePreviewZones GetZone() const { return zone_; }
    const TRect& GetImageRect() const { return imageRect_; }
    const TRect& GetPaperRect() const { return paperRect_; }

    TeeChangeMarginsEvent OnChangeMargins;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // The paper for the printer's page in the control's client area.
    void CalcPaperRect();
    // Moves ImageRect for a drag step to (X, Y) in the current zone.
    void DragTo(int X, int Y);
    void StoreChanged(bool& Field, bool Value);

    bool allowResize_ = true, allowMove_ = true, asBitmap_ = false, dragImage_ = false;
    bool showImage_ = true, showMargins_ = true;
    TCustomTeePanel* image_ = nullptr;
    TColor paperColor_ = clWhite;
    TeePreviewZones zone_ = teePrev_None;
    int oldX_ = 0, oldY_ = 0;
    TRect oldRect_;
    TRect imageRect_, paperRect_;
};

class TChartPreview : public TForm {
public:
    explicit TChartPreview(TComponent* AOwner);

    TPanel* Panel1;
    TLabel* Label1;
    TComboBox* Printers;
    TButton* BSetupPrinter;
    TButton* BPrint;
    TButton* BClose;
    TPanel* Panel2;
    TRadioGroup* Orientation;
    TGroupBox* GBMargins;
    TEdit* SETopMa;
    TEdit* SELeftMa;
    TEdit* SEBotMa;
    TEdit* SERightMa;
    TUpDown* UDTopMa;
    TUpDown* UDLeftMa;
    TUpDown* UDBotMa;
    TUpDown* UDRightMa;
    TButton* BReset;
    TCheckBox* ShowMargins;
    TGroupBox* GBDetail;
    TLabel* LMore;
    TLabel* LNormal;
    TScrollBar* Resolution;
    TCheckBox* CBProp;
    TPrinterSetupDialog* PrinterSetupDialog1;
    TTeePreviewPage* PreviewPage = nullptr;

    void Dispatch(TMessage& Message) override;

private:
    void BuildControls();
    // The panel previewed; EInvalidOperation when none is set.
    TCustomTeePanel* Chart() const;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormHide(TObject* Sender);
    void FormDestroy(TObject* Sender);
    void PrintersChange(TObject* Sender);
    void BSetupPrinterClick(TObject* Sender);
    void OrientationClick(TObject* Sender);
    void SETopMaChange(TObject* Sender);
    void SERightMaChange(TObject* Sender);
    void SEBotMaChange(TObject* Sender);
    void SELeftMaChange(TObject* Sender);
    void ShowMarginsClick(TObject* Sender);
    void BResetClick(TObject* Sender);
    void ResolutionChange(TObject* Sender);
    void CBPropClick(TObject* Sender);
    void BPrintClick(TObject* Sender);
    void BCloseClick(TObject* Sender);
    // Stores a typed or stepped margin unless it and the opposite one would
    // take the whole page; a refused value puts the up-down back.
    void ChangeMargin(TUpDown* UpDown, int& Margin, int Opposite);
    // Clears the panel's PrintProportional and CBProp without CBPropClick's reset.
    void ClearProportional();
    void ResetMargins();
    void RefreshPage();
    void RecalcControls();
    void PreviewPageChangeMargins(TObject* Sender, bool DisableProportional, const TRect& Margins);
    void FillPrinters();
    // The printer's orientation goes back to what the window found on showing.
    void GiveBackOrientation();

    bool Initializing = false;
    bool ChangingMargins = false;
    bool SettingProportional = false;
    TRect OldMargins;
    TPrinterOrientation foundOrientation_ = poPortrait;
    bool orientationFound_ = false;
};

// Shows the print preview of TeePanel modally (owned by AOwner), frees it
// and repaints the panel.
void ChartPreview(TComponent* AOwner, TCustomTeePanel* TeePanel);
