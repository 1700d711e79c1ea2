// Shows a free 3-D panel on a window for a few seconds and saves the same
// panel as a Windows bitmap:
//     panel_demo <output.bmp> [seconds]
// A gradient background, a raised outer and a lowered inner bevel, and a
// cube drawn by the panel's OnPaint handler.

#include <cstdlib>
#include <iostream>

#include "chart/panel/TeePanel.h"
#include "platform/controls/Forms.h"

namespace {

void DrawCube(TCustomTeePanel* Panel, const TRect& Rect) {
    TCanvas3D* canvas = Panel->GetCanvas();
    const TRect& chart = Panel->GetChartRect();
    (void)Rect;
    canvas->GetBrush()->SetColor(RGB(40, 110, 220));
    const int size = chart.Height() / 2;
    const int left = Panel->GetChartXCenter() - size / 2 - 30, top = Panel->GetChartYCenter() - size / 2 + 30;
    canvas->Cube(left, left + size, top, top + size, 0, 60, true);
    canvas->GetFont()->SetSize(12);
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->TextOut(chart.Left + 8, chart.Top + 4, "TDraw3D");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: panel_demo <output.bmp> [seconds]\n";
        return 2;
    }
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(&form);
    form->SetCaption("Chart panel");
    form->SetBounds(0, 0, 400, 250);
    auto* panel = new TDraw3D(form);
    panel->SetParent(form);
    panel->SetAlign(alClient);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(3);
    panel->SetBorderWidth(4);
    panel->GetGradient()->SetStartColor(RGB(255, 255, 255));
    panel->GetGradient()->SetEndColor(RGB(255, 200, 90));
    panel->GetGradient()->SetVisible(true);
    panel->OnPaint = [panel](TObject*, const TRect& Rect) { DrawCube(panel, Rect); };

    TBitmap picture;
    picture.SetSize(panel->GetWidth(), panel->GetHeight());
    panel->Draw(picture.GetCanvas(), TRect(0, 0, panel->GetWidth(), panel->GetHeight()));
    picture.SaveToFile(argv[1]);

    if (seconds > 0) {
        auto* timer = new TTimer(form);
        timer->SetInterval(static_cast<Cardinal>(seconds) * 1000);
        timer->OnTimer = [form](TObject*) { form->Close(); };
        Application->Run();
    }
    return 0;
}
