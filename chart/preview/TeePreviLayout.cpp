// The print preview window's controls: the printer bar on top, the
// orientation, margins, detail and proportional settings on the left.
#include "chart/preview/TeePrevi.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/host/PrinterSetup.h"

namespace {

template <class T>
T* Put(T* Control, TWinControl* Parent, const char* Name, int Left, int Top, int Width, int Height) {
    Control->SetName(Name);
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(Parent);
    return Control;
}

TButton* PutButton(TForm* Form, TWinControl* Parent, const char* Name, const char* Caption, int Left, int Top,
                   int Width) {
    auto* button = Put(new TButton(Form), Parent, Name, Left, Top, Width, 25);
    button->SetCaption(Caption);
    return button;
}

TCheckBox* PutCheckBox(TForm* Form, TWinControl* Parent, const char* Name, const char* Caption, int Top) {
    auto* box = Put(new TCheckBox(Form), Parent, Name, 10, Top, 130, 17);
    box->SetCaption(Caption);
    box->SetChecked(true);
    return box;
}

// An edit for a margin in percent with its up-down beside it.
TEdit* PutMargin(TForm* Form, TWinControl* Parent, const char* EditName, const char* UpDownName, int Left, int Top,
                 TUpDown*& UpDown) {
    auto* edit = Put(new TEdit(Form), Parent, EditName, Left, Top, 30, 21);
    edit->SetNumbersOnly(true);
    UpDown = Put(new TUpDown(Form), Parent, UpDownName, Left + 30, Top, 15, 21);
    UpDown->SetMin(0);
    UpDown->SetAssociate(edit);
    return edit;
}

}  // namespace

void TChartPreview::BuildControls() {
    Panel1 = Put(new TPanel(this), this, "Panel1", 0, 0, 608, 34);
    Panel1->SetCaption("");
    Panel1->SetAlign(alTop);
    Label1 = Put(new TLabel(this), Panel1, "Label1", 8, 10, 40, 13);
    Label1->SetCaption("P&rinter:");
    Printers = Put(new TComboBox(this), Panel1, "Printers", 56, 6, 210, 21);
    Label1->SetFocusControl(Printers);
    BSetupPrinter = PutButton(this, Panel1, "BSetupPrinter", "Printer &Setup...", 274, 4, 105);
    BPrint = PutButton(this, Panel1, "BPrint", "&Print", 387, 4, 75);
    BClose = PutButton(this, Panel1, "BClose", "Close", 470, 4, 75);
    BClose->SetCancel(true);
    BClose->SetDefault(true);
    BClose->SetModalResult(mrOk);

    Panel2 = Put(new TPanel(this), this, "Panel2", 0, 34, 152, 393);
    Panel2->SetCaption("");
    Panel2->SetAlign(alLeft);
    Orientation = Put(new TRadioGroup(this), Panel2, "Orientation", 8, 6, 136, 62);
    Orientation->SetCaption("Paper Orientation:");
    Orientation->GetItems()->Add("P&ortrait");
    Orientation->GetItems()->Add("&Landscape");

    GBMargins = Put(new TGroupBox(this), Panel2, "GBMargins", 8, 74, 136, 132);
    GBMargins->SetCaption("Margins (%)");
    SETopMa = PutMargin(this, GBMargins, "SETopMa", "UDTopMa", 45, 18, UDTopMa);
    SELeftMa = PutMargin(this, GBMargins, "SELeftMa", "UDLeftMa", 8, 44, UDLeftMa);
    SERightMa = PutMargin(this, GBMargins, "SERightMa", "UDRightMa", 82, 44, UDRightMa);
    SEBotMa = PutMargin(this, GBMargins, "SEBotMa", "UDBotMa", 45, 70, UDBotMa);
    BReset = PutButton(this, GBMargins, "BReset", "Reset &Margins", 10, 99, 116);
    BReset->SetEnabled(false);

    ShowMargins = PutCheckBox(this, Panel2, "ShowMargins", "&View Margins", 214);

    GBDetail = Put(new TGroupBox(this), Panel2, "GBDetail", 8, 238, 136, 60);
    GBDetail->SetCaption("Detail:");
    LMore = Put(new TLabel(this), GBDetail, "LMore", 8, 18, 30, 13);
    LMore->SetCaption("More");
    LNormal = Put(new TLabel(this), GBDetail, "LNormal", 90, 18, 40, 13);
    LNormal->SetCaption("Normal");
    LNormal->SetLeft(128 - LNormal->GetWidth());
    Resolution = Put(new TScrollBar(this), GBDetail, "Resolution", 8, 36, 120, 16);
    Resolution->SetParams(0, -100, 0);
    Resolution->SetLargeChange(10);

    CBProp = PutCheckBox(this, Panel2, "CBProp", "Proportional", 306);

    PrinterSetupDialog1 = new TPrinterSetupDialog(this);
    PrinterSetupDialog1->SetName("PrinterSetupDialog1");

    Printers->OnChange = TNotifyEvent(this, &TChartPreview::PrintersChange);
    BSetupPrinter->OnClick = TNotifyEvent(this, &TChartPreview::BSetupPrinterClick);
    BPrint->OnClick = TNotifyEvent(this, &TChartPreview::BPrintClick);
    BClose->OnClick = TNotifyEvent(this, &TChartPreview::BCloseClick);
    Orientation->OnClick = TNotifyEvent(this, &TChartPreview::OrientationClick);
    SETopMa->OnChange = TNotifyEvent(this, &TChartPreview::SETopMaChange);
    SELeftMa->OnChange = TNotifyEvent(this, &TChartPreview::SELeftMaChange);
    SERightMa->OnChange = TNotifyEvent(this, &TChartPreview::SERightMaChange);
    SEBotMa->OnChange = TNotifyEvent(this, &TChartPreview::SEBotMaChange);
    BReset->OnClick = TNotifyEvent(this, &TChartPreview::BResetClick);
    ShowMargins->OnClick = TNotifyEvent(this, &TChartPreview::ShowMarginsClick);
    Resolution->OnChange = TNotifyEvent(this, &TChartPreview::ResolutionChange);
    CBProp->OnClick = TNotifyEvent(this, &TChartPreview::CBPropClick);
}
