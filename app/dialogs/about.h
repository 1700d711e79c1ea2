#pragma once
// The about box: the program's name and picture, the credits, and the
// maker's web site and mail address as links that open in the system's
// browser and mail program.

#include "app/dialogs/framedialog.h"
#include "platform/controls/ExtCtrls.h"

class TfAbout : public TFramedDialog {
public:
    explicit TfAbout(TComponent* AOwner);

    TImage* Image1;
    TSeSkinLabel* NameLabel;
    TSeSkinLabel* CreditLabel1;
    TSeSkinLabel* CreditLabel2;
    TSeSkinLabel* MakerLabel;
    TSeSkinLabel* WebsiteLabel;
    TSeSkinLabel* EmailLabel;
    TSeSkinButton* BtClose;

    void BtCloseClick(TObject* Sender);
    void WebsiteLabelClick(TObject* Sender);
    void EmailLabelClick(TObject* Sender);
};

extern TfAbout* fAbout;

// The about box's picture: a small price chart, Size pixels square.
void DrawAboutPicture(TBitmap* Bitmap, int Size);
