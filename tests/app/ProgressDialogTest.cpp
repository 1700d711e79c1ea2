// The progress dialog's look: where its texts stand once a transfer ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "DialogTestSupport.h"
#include "app/httpprogress.h"
#include "skin/engine/KsSkinProgressBar.h"
#include "platform/testing/TestInput.h"

namespace {

class ProgressDialog : public DialogTest {};

// The dialog's pixels with only the labels of Shown visible among Labels.
std::vector<TColor> PixelsWith(TfHttpProgress* Dialog, const std::vector<TControl*>& Labels,
                               const std::vector<TControl*>& Shown) {
    for (TControl* label : Labels)
        label->SetVisible(std::find(Shown.begin(), Shown.end(), label) != Shown.end());
    Dialog->Repaint();
    std::vector<TColor> pixels;
    for (int y = 0; y < Dialog->GetHeight(); ++y)
        for (int x = 0; x < Dialog->GetWidth(); ++x) pixels.push_back(SurfacePixel(Dialog, x, y));
    return pixels;
}

// What one text draws: where the picture with it differs from the one
// without, and the box around those pixels.
struct Ink {
    std::vector<bool> pixels;
    TRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    int count = 0;
};

Ink InkOf(const std::vector<TColor>& Picture, const std::vector<TColor>& Background, int Width) {
    Ink ink;
    ink.pixels.resize(Picture.size());
    for (size_t i = 0; i < Picture.size(); ++i) {
        if (Picture[i] == Background[i]) continue;
        ink.pixels[i] = true;
        ++ink.count;
        const int x = static_cast<int>(i) % Width, y = static_cast<int>(i) / Width;
        ink.box = Rect(std::min(ink.box.Left, x), std::min(ink.box.Top, y), std::max(ink.box.Right, x + 1),
                       std::max(ink.box.Bottom, y + 1));
    }
    return ink;
}

// Once a transfer ends, the status text and "Done." are drawn apart: no
// pixel of one in the other's box, both wholly inside the dialog.
void ExpectDoneApart(TfHttpProgress* Dialog) {
    TSeSkinLabel* status = Dialog->SeSkinLabel1;
    TSeSkinLabel* done = Dialog->SeSkinLabel2;
    ASSERT_TRUE(status->GetVisible());
    ASSERT_TRUE(done->GetVisible());
    const std::vector<TControl*> labels = {status, done};
    const std::vector<TColor> background = PixelsWith(Dialog, labels, {});
    const Ink statusInk = InkOf(PixelsWith(Dialog, labels, {status}), background, Dialog->GetWidth());
    const Ink doneInk = InkOf(PixelsWith(Dialog, labels, {done}), background, Dialog->GetWidth());
    for (TControl* label : labels) label->SetVisible(true);
    ASSERT_GT(statusInk.count, 0);
    ASSERT_GT(doneInk.count, 0);
    int shared = 0;
    for (size_t i = 0; i < background.size(); ++i) shared += statusInk.pixels[i] && doneInk.pixels[i];
    EXPECT_EQ(shared, 0) << "pixels drawn by both texts";
    TRect common;
    EXPECT_FALSE(IntersectRect(common, statusInk.box, doneInk.box))
        << "status text drawn in " << statusInk.box.Left << ".." << statusInk.box.Right << ", "
        << statusInk.box.Top << ".." << statusInk.box.Bottom << "; \"Done.\" in " << doneInk.box.Left << ".."
        << doneInk.box.Right << ", " << doneInk.box.Top << ".." << doneInk.box.Bottom;
    const TRect insets = Dialog->GetFrameInsets();
    EXPECT_LE(doneInk.box.Right, Dialog->GetClientWidth() - insets.Right);
    EXPECT_LE(doneInk.box.Bottom, Dialog->SeSkinProgressBar1->GetTop());
}

TEST_F(ProgressDialog, DoneStandsClearOfTheStatusText) {
    auto* dialog = TForm::Create<TfHttpProgress>(Application);
    dialog->Show();
    Application->ProcessMessages();
    dialog->ShowDone();
    EXPECT_EQ(dialog->SeSkinLabel1->GetCaption(), "Download in progress, please wait...");
    ExpectDoneApart(dialog);

    // A status text that leaves no room on its line puts "Done." under it.
    dialog->ShowStatus("Download in progress, please wait a little longer...", 16);
    ExpectDoneApart(dialog);
    EXPECT_GT(dialog->SeSkinLabel2->GetTop(), dialog->SeSkinLabel1->GetTop());

    // OK brings the waiting look back; the next end is as clear.
    dialog->SeSkinButton1Click(dialog->SeSkinButton1);
    dialog->Show();
    Application->ProcessMessages();
    dialog->ShowDone();
    ExpectDoneApart(dialog);
    EXPECT_EQ(dialog->SeSkinLabel2->GetTop(), dialog->SeSkinLabel1->GetTop());
}

}  // namespace
