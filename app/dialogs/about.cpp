#include "app/dialogs/about.h"

#include "app/mainwindow/weblinks.h"
#include "app/mainwindow/websettings.h"
#include "platform/host/ShellApi.h"

TfAbout* fAbout = nullptr;

TfAbout::TfAbout(TComponent* AOwner) : TFramedDialog(AOwner, "fAbout", "About Velmora", 329, 229, poMainFormCenter) {
    Image1 = Put(new TImage(this), "Image1", 16, 16, 64, 64);
    DrawAboutPicture(Image1->GetPicture()->GetBitmap(), 64);

    NameLabel = PutLabel("NameLabel", "Velmora", 96, 16);
    NameLabel->GetFont()->SetSize(18);
    NameLabel->GetFont()->SetStyle(TFontStyles{fsBold});
    PutLabel("TaglineLabel", "Stock quotes, charts and technical analysis", 96, 50);
    CreditLabel1 = PutLabel("CreditLabel1", "Programming: Ilse Marwood", 96, 90);
    CreditLabel2 = PutLabel("CreditLabel2", "Charts and design: Tomas Reinholt", 96, 108);
    MakerLabel = PutLabel("MakerLabel", "Halvorsk Software", 96, 136);

    WebsiteLabel = PutLabel("WebsiteLabel", HomePageUrl(), 96, 154);
    WebsiteLabel->OnClick = TNotifyEvent(this, &TfAbout::WebsiteLabelClick);
    EmailLabel = PutLabel("EmailLabel", ContactMail(), 96, 172);
    EmailLabel->OnClick = TNotifyEvent(this, &TfAbout::EmailLabelClick);
    for (TSeSkinLabel* link : {WebsiteLabel, EmailLabel}) {
        // Looks like a link without a skin too.
        link->SetSkinObject("Link");
        link->SetCursor(crHandPoint);
        link->GetFont()->SetColor(clBlue);
        link->GetFont()->SetStyle(TFontStyles{fsUnderline});
    }

    BtClose = PutButton("BtClose", "Close", 238, 196, TNotifyEvent(this, &TfAbout::BtCloseClick));
    BtClose->SetCancel(true);
    SetActiveControl(BtClose);
}

void TfAbout::BtCloseClick(TObject*) { CloseWith(mrOk); }

// The links open what they show.
void TfAbout::WebsiteLabelClick(TObject*) { openWebAddress(GetHandle(), WebsiteLabel->GetCaption(), SW_SHOW); }

void TfAbout::EmailLabelClick(TObject*) {
    openWebAddress(GetHandle(), "mailto:" + EmailLabel->GetCaption(), SW_SHOWNORMAL);
}

void DrawAboutPicture(TBitmap* Bitmap, int Size) {
    Bitmap->SetSize(Size, Size);
    TCanvas* c = Bitmap->GetCanvas();
    c->GetBrush()->SetColor(static_cast<TColor>(0x00F4E8DC));
    c->GetPen()->SetColor(static_cast<TColor>(0x00805020));
    c->Rectangle(0, 0, Size, Size);
    // Volume bars along the bottom, a rising price line over them.
    const int bars = 6, step = Size / (bars + 1);
    c->GetBrush()->SetColor(static_cast<TColor>(0x00C09060));
    c->GetPen()->SetColor(static_cast<TColor>(0x00C09060));
    for (int i = 0; i < bars; ++i) {
        const int h = Size / 8 + (i * 7 % 5) * Size / 24;
        c->Rectangle(step / 2 + i * step + 2, Size - 4 - h, step / 2 + (i + 1) * step - 1, Size - 4);
    }
    const int prices[] = {62, 55, 60, 44, 48, 30, 22};
    c->GetPen()->SetColor(static_cast<TColor>(0x002050D0));
    c->GetPen()->SetWidth(3);
    c->MoveTo(4, prices[0] * Size / 100);
    for (int i = 1; i <= bars; ++i) c->LineTo(4 + i * (Size - 8) / bars, prices[i] * Size / 100);
    c->GetPen()->SetWidth(1);
}
