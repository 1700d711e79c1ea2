#pragma once
// A free 3-D panel of the default size on a shown form, counting the
// drawings of its OnPaint, and pictures of the panel drawn into bitmaps.

#include <memory>

#include "chart/canvas/Canvas3DTestSupport.h"
#include "chart/panel/TeePanel.h"
#include "platform/controls/Forms.h"

struct TPanelOnForm {
    TPanelOnForm() : form(new TForm(nullptr)), panel(new TDraw3D(form)) {
        form->SetBounds(0, 0, 420, 270);
        panel->SetParent(form);
        panel->OnPaint = [this](TObject*, const TRect&) { ++paints; };
        form->Show();
        panel->Repaint();
    }
    ~TPanelOnForm() { delete form; }
    TPanelOnForm(const TPanelOnForm&) = delete;
    TPanelOnForm& operator=(const TPanelOnForm&) = delete;

    // Runs the paints the changes so far asked for; how many OnPaint saw.
    int PaintsAfterEvents() {
        Application->ProcessMessages();
        return paints;
    }
    // The panel drawn into a white bitmap of its own size.
    std::unique_ptr<TBitmap> Picture() {
        auto bitmap = WhiteBitmap(panel->GetWidth(), panel->GetHeight());
        panel->Draw(bitmap->GetCanvas(), TRect(0, 0, panel->GetWidth(), panel->GetHeight()));
        return bitmap;
    }

    TForm* form;
    TDraw3D* panel;
    int paints = 0;
};
