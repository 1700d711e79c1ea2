// The print preview window: how its controls, the sheet, the panel's print
// settings and the printer follow one another.
#include "chart/preview/TeePrevi.h"

#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/host/PrinterSetup.h"

TChartPreview::TChartPreview(TComponent* AOwner) : TForm(AOwner) {
    SetCaption("Print Preview");
    SetBounds(0, 0, 608, 427);
    SetPosition(poScreenCenter);
    SetKeyPreview(true);
    // Nothing reacts to the controls until the window is shown.
    Initializing = ChangingMargins = true;
    BuildControls();
    OnCreate = TNotifyEvent(this, &TChartPreview::FormCreate);
    OnShow = TNotifyEvent(this, &TChartPreview::FormShow);
    OnHide = TNotifyEvent(this, &TChartPreview::FormHide);
    OnDestroy = TNotifyEvent(this, &TChartPreview::FormDestroy);
}

TCustomTeePanel* TChartPreview::Chart() const {
    TCustomTeePanel* panel = PreviewPage ? PreviewPage->GetImage() : nullptr;
    if (!panel) throw EInvalidOperation("The print preview has no chart");
    return panel;
}

void TChartPreview::FormCreate(TObject*) {
    Initializing = ChangingMargins = true;
    SettingProportional = false;
    PreviewPage = new TTeePreviewPage(this);
    PreviewPage->SetParent(this);
    PreviewPage->SetAlign(alClient);
    PreviewPage->OnChangeMargins = TeeChangeMarginsEvent(this, &TChartPreview::PreviewPageChangeMargins);
}

void TChartPreview::FillPrinters() {
    TStrings* items = Printers->GetItems();
    items->Clear();
    for (const AnsiString& name : Printer()->GetPrinters()) items->Add(name);
    Printers->SetItemIndex(Printer()->GetPrinterIndex());
}

void TChartPreview::FormShow(TObject*) {
    TCustomTeePanel* panel = Chart();
    Screen->SetCursor(crDefault);
    FillPrinters();
    foundOrientation_ = Printer()->GetOrientation();
    orientationFound_ = true;
    Printer()->SetOrientation(poLandscape);
    CBProp->SetChecked(panel->GetPrintProportional());
    Resolution->SetPosition(panel->GetPrintResolution());
    OldMargins = panel->PrintMargins;
    ResetMargins();
    Initializing = false;
}

void TChartPreview::GiveBackOrientation() {
    if (!orientationFound_) return;
    orientationFound_ = false;
    if (!Printer()->GetPrinting()) Printer()->SetOrientation(foundOrientation_);
}

void TChartPreview::FormHide(TObject*) { GiveBackOrientation(); }

void TChartPreview::FormDestroy(TObject*) {
    GiveBackOrientation();
    delete PreviewPage;
    PreviewPage = nullptr;
}

void TChartPreview::ResetMargins() {
    TCustomTeePanel* panel = Chart();
    if (panel->GetPrintProportional()) {
        panel->PrintMargins = panel->CalcProportionalMargins();
        OldMargins = panel->PrintMargins;
    }
    RecalcControls();
    PreviewPageChangeMargins(this, false, panel->PrintMargins);
}

void TChartPreview::RecalcControls() { Orientation->SetItemIndex(Printer()->GetOrientation() == poLandscape ? 1 : 0); }

void TChartPreview::PrintersChange(TObject*) {
    Printer()->SetPrinterIndex(Printers->GetItemIndex());
    RecalcControls();
    OrientationClick(this);
}

void TChartPreview::BSetupPrinterClick(TObject*) {
    PrinterSetupDialog1->Execute();
    FillPrinters();
    RecalcControls();
    // Another printer may have another page.
    PreviewPage->Invalidate();
}

void TChartPreview::OrientationClick(TObject*) {
    Printer()->SetOrientation(Orientation->GetItemIndex() == 0 ? poPortrait : poLandscape);
    ResetMargins();
    PreviewPage->Invalidate();
}

void TChartPreview::ClearProportional() {
    TCustomTeePanel* panel = Chart();
    SettingProportional = true;
    panel->SetPrintProportional(false);
    CBProp->SetChecked(false);
    SettingProportional = false;
}

void TChartPreview::ChangeMargin(TUpDown* UpDown, int& Margin, int Opposite) {
    if (Initializing) return;
    const int value = UpDown->GetPosition();
    if (value + Opposite >= 100) {
        UpDown->SetPosition(Margin);
        return;
    }
    Margin = value;
    // Margins of the user's own are printed as they are: proportional ones
    // would replace them at printing.
    if (!ChangingMargins && Chart()->GetPrintProportional()) ClearProportional();
    RefreshPage();
}

void TChartPreview::SETopMaChange(TObject*) {
    TRect& m = Chart()->PrintMargins;
    ChangeMargin(UDTopMa, m.Top, m.Bottom);
}

void TChartPreview::SEBotMaChange(TObject*) {
    TRect& m = Chart()->PrintMargins;
    ChangeMargin(UDBotMa, m.Bottom, m.Top);
}

void TChartPreview::SELeftMaChange(TObject*) {
    TRect& m = Chart()->PrintMargins;
    ChangeMargin(UDLeftMa, m.Left, m.Right);
}

void TChartPreview::SERightMaChange(TObject*) {
    TRect& m = Chart()->PrintMargins;
    ChangeMargin(UDRightMa, m.Right, m.Left);
}

void TChartPreview::PreviewPageChangeMargins(TObject*, bool DisableProportional, const TRect& Margins) {
    ChangingMargins = true;
    UDTopMa->SetPosition(Margins.Top);
    UDLeftMa->SetPosition(Margins.Left);
    UDBotMa->SetPosition(Margins.Bottom);
    UDRightMa->SetPosition(Margins.Right);
    if (DisableProportional) ClearProportional();
    ChangingMargins = false;
    if (DisableProportional && !PreviewPage->GetDragImage()) {
        // The lines the drag erased come back at their new place; the chart follows on release.
        PreviewPage->DrawMargins(PreviewPage->GetCanvas());
        BReset->SetEnabled(Chart()->PrintMargins != OldMargins);
    } else {
        RefreshPage();
    }
}

void TChartPreview::RefreshPage() {
    if (ChangingMargins) return;
    PreviewPage->Invalidate();
    BReset->SetEnabled(Chart()->PrintMargins != OldMargins);
}

void TChartPreview::BResetClick(TObject*) {
    TCustomTeePanel* panel = Chart();
    panel->PrintMargins = OldMargins;
    PreviewPageChangeMargins(this, false, panel->PrintMargins);
}

void TChartPreview::ShowMarginsClick(TObject*) { PreviewPage->SetShowMargins(ShowMargins->GetChecked()); }

void TChartPreview::ResolutionChange(TObject*) {
    Chart()->SetPrintResolution(Resolution->GetPosition());
    PreviewPage->Invalidate();
    RecalcControls();
}

void TChartPreview::CBPropClick(TObject*) {
    if (SettingProportional) return;
    Chart()->SetPrintProportional(CBProp->GetChecked());
    ResetMargins();
}

void TChartPreview::BPrintClick(TObject*) {
    struct TCursorBack {
        ~TCursorBack() { Screen->SetCursor(crDefault); }
    } cursorBack;
    Screen->SetCursor(crHourGlass);
    PreviewPage->Print();
}

void TChartPreview::BCloseClick(TObject*) { Close(); }

void TChartPreview::Dispatch(TMessage& Message) {
    // The sheet and the panels cover the whole window: erasing under them would only flicker.
    if (Message.Msg == WM_ERASEBKGND) {
        if (TeeEraseBack) TForm::Dispatch(Message);
        Message.Result = 1;
        return;
    }
    TForm::Dispatch(Message);
}

void ChartPreview(TComponent* AOwner, TCustomTeePanel* TeePanel) {
    TChartPreview* preview = TForm::Create<TChartPreview>(AOwner);
    try {
        preview->PreviewPage->SetImage(TeePanel);
        preview->ShowModal();
    } catch (...) {
        preview->Free();
        throw;
    }
    preview->Free();
    if (TeePanel) TeePanel->Repaint();
}
