// The progress dialog's look: where its texts stand once a transfer ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "app/dialogs/DialogTestSupport.h"
#include "app/download/httpprogress.h"
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

// Once a transfer ends, the status text, "Done." and what arrived are drawn
// apart: no pixel of one in another's box, all wholly inside the dialog and
// above the bar.
void ExpectDoneApart(TfHttpProgress* Dialog) {
    TSeSkinLabel* status = Dialog->SeSkinLabel1;
    TSeSkinLabel* done = Dialog->SeSkinLabel2;
    TSeSkinLabel* arrived = Dialog->SeSkinLabel3;
    ASSERT_TRUE(status->GetVisible());
    ASSERT_TRUE(done->GetVisible());
    ASSERT_TRUE(arrived->GetVisible());
    const std::vector<TControl*> labels = {status, done, arrived};
    const std::vector<TColor> background = PixelsWith(Dialog, labels, {});
    std::vector<Ink> inks;
    for (TControl* label : labels) inks.push_back(InkOf(PixelsWith(Dialog, labels, {label}), background, Dialog->GetWidth()));
    for (TControl* label : labels) label->SetVisible(true);
    const TRect insets = Dialog->GetFrameInsets();
    for (size_t a = 0; a < inks.size(); ++a) {
        ASSERT_GT(inks[a].count, 0) << a;
        EXPECT_LE(inks[a].box.Right, Dialog->GetClientWidth() - insets.Right) << a;
        EXPECT_LE(inks[a].box.Bottom, Dialog->SeSkinProgressBar1->GetTop()) << a;
        for (size_t b = a + 1; b < inks.size(); ++b) {
            TRect common;
            EXPECT_FALSE(IntersectRect(common, inks[a].box, inks[b].box))
                << "texts " << a << " and " << b << " in " << inks[a].box.Left << ".." << inks[a].box.Right << ", "
                << inks[a].box.Top << ".." << inks[a].box.Bottom << " and " << inks[b].box.Left << ".."
                << inks[b].box.Right << ", " << inks[b].box.Top << ".." << inks[b].box.Bottom;
        }
    }
}

TEST_F(ProgressDialog, DoneStandsClearOfTheStatusText) {
    auto* dialog = TForm::Create<TfHttpProgress>(Application);
    dialog->Show();
    Application->ProcessMessages();
    // The longest that arrives: a century of days, four-digit years.
    dialog->ShowDone("36524 quotes, 28-Nov-1903 to 28-Nov-2003");
    EXPECT_EQ(dialog->SeSkinLabel1->GetCaption(), "Download in progress, please wait...");
    ExpectDoneApart(dialog);

    // A status text that leaves no room on its line puts "Done." on the
    // next, after what arrived.
    dialog->ShowDone("1 quote, 5-Dec-03");
    dialog->ShowStatus("Download in progress, please wait a little longer...", 16);
    ExpectDoneApart(dialog);
    EXPECT_GT(dialog->SeSkinLabel2->GetTop(), dialog->SeSkinLabel1->GetTop());

    // OK brings the waiting look back; the next end is as clear.
    dialog->SeSkinButton1Click(dialog->SeSkinButton1);
    dialog->Show();
    Application->ProcessMessages();
    dialog->ShowDone("No new quotes.");
    ExpectDoneApart(dialog);
    EXPECT_EQ(dialog->SeSkinLabel2->GetTop(), dialog->SeSkinLabel1->GetTop());
    EXPECT_EQ(dialog->SeSkinLabel3->GetCaption(), "No new quotes.");
}

}  // namespace
