#include <gtest/gtest.h>

#include "app/dialogs/DialogTestSupport.h"
#include "app/dialogs/enterdays.h"
#include "app/dialogs/enterdays2.h"
#include "app/dialogs/enterdays3.h"
#include "app/dialogs/enterdays4.h"
#include "skin/engine/KsSkinEngine.h"
#include "skin/engine/KsSkinMessage.h"

namespace {

class EnterDays : public DialogTest {};

// The centre of a control, in its own client coordinates.
void ClickMiddle(TControl* Control) { MouseClick(Control, Control->GetWidth() / 2, Control->GetHeight() / 2); }

TEST_F(EnterDays, DialogsHaveTheirControlsInsideAFrameWithoutIcons) {
    auto* d1 = TForm::Create<TfEnterDays>(Application);
    auto* d2 = TForm::Create<TfEnterDays2>(Application);
    auto* d3 = TForm::Create<TfEnterDays3>(Application);
    auto* d4 = TForm::Create<TfEnterDays4>(Application);
    struct Expect {
        TFramedDialog* Dialog;
        int Width, Height;
        TPosition Position;
    };
    for (const Expect& e : {Expect{d1, 251, 85, poDesigned}, Expect{d2, 251, 104, poMainFormCenter},
                            Expect{d3, 251, 117, poMainFormCenter}, Expect{d4, 279, 135, poDesigned}}) {
        SCOPED_TRACE(e.Dialog->GetName().str());
        EXPECT_EQ(e.Dialog->GetCaption(), "Period");
        EXPECT_EQ(e.Dialog->SeSkinForm1->GetName(), "SeSkinForm1");
        EXPECT_TRUE(e.Dialog->SeSkinForm1->GetBorderIcons().Empty());
        EXPECT_EQ(e.Dialog->GetPosition(), e.Position);
        const TRect frame = e.Dialog->GetFrameInsets();
        EXPECT_GT(frame.Top, 0);
        EXPECT_EQ(e.Dialog->GetClientWidth() - frame.Left - frame.Right, e.Width);
        EXPECT_EQ(e.Dialog->GetClientHeight() - frame.Top - frame.Bottom, e.Height);
        // Every control lies in the area inside the frame.
        const TRect inside(frame.Left, frame.Top, frame.Left + e.Width, frame.Top + e.Height);
        for (int i = 0; i < e.Dialog->GetControlCount(); ++i) {
            TRect r = e.Dialog->GetControls(i)->GetBoundsRect();
            EXPECT_TRUE(r.Left >= inside.Left && r.Top >= inside.Top && r.Right <= inside.Right &&
                        r.Bottom <= inside.Bottom)
                << e.Dialog->GetControls(i)->GetName().str();
        }
    }
    EXPECT_EQ(d1->Label1->GetCaption(), "Enter the period (i.e. the number of days) for the");
    EXPECT_EQ(d1->Label2->GetCaption(), "");
    EXPECT_EQ(d1->Edit1->GetText(), "");
    EXPECT_EQ(d1->Button1->GetCaption(), "OK");
    EXPECT_EQ(d2->SeSkinLabel1->GetCaption(), "Period:");
    EXPECT_EQ(d2->SeSkinLabel2->GetCaption(), "%K:");
    EXPECT_EQ(d2->SeSkinLabel3->GetCaption(), "%D:");
    EXPECT_EQ(d3->SeSkinLabel1->GetCaption(), "MA 1:");
    EXPECT_EQ(d3->SeSkinLabel3->GetCaption(), "Display analysis as:");
    EXPECT_EQ(d3->Percentages->GetCaption(), "Percentages");
    EXPECT_EQ(d4->SeSkinLabel1->GetCaption(), "Historical Volatility:");
    EXPECT_EQ(d4->SeSkinLabel2->GetCaption(), "Chart Type:");
    EXPECT_EQ(d4->Monthly->GetCaption(), "Monthly");
}

TEST_F(EnterDays, ANewSkinFrameKeepsTheLaidOutAreaAndMovesTheControlsWithIt) {
    auto* dialog = TForm::Create<TfEnterDays2>(Application);
    const TRect before = dialog->GetFrameInsets();
    const TPoint edit(dialog->SeSkinEdit2->GetLeft() - before.Left, dialog->SeSkinEdit2->GetTop() - before.Top);
    // The skin changes in the engine that draws (the main window's, when it has one).
    TSeSkinEngine* own = TSeSkinEngine::Current() ? nullptr : new TSeSkinEngine(Application);
    TSeSkinEngine* engine = own ? own : TSeSkinEngine::Current();
    engine->LoadFromText("object Form form\n  captionheight = 40\n  borderwidth = 6\nend\n");
    const TRect after = dialog->GetFrameInsets();
    ASSERT_NE(after.Top, before.Top);
    EXPECT_EQ(after.Left, 6);
    EXPECT_EQ(dialog->GetClientWidth() - after.Left - after.Right, 251);
    EXPECT_EQ(dialog->GetClientHeight() - after.Top - after.Bottom, 104);
    EXPECT_EQ(dialog->SeSkinEdit2->GetLeft() - after.Left, edit.x);
    EXPECT_EQ(dialog->SeSkinEdit2->GetTop() - after.Top, edit.y);
    delete own;
}

TEST_F(EnterDays, AnEntryIsValidUnlessStrToIntDefGivesMinusOne) {
    auto* dialog = TForm::Create<TfEnterDays>(Application);
    struct Case {
        const char* Text;
        bool Valid;
        int Days;
    };
    const Case cases[] = {{"12", true, 12},    {"0", true, 0},      {"5000", true, 5000}, {"-7", true, -7},
                          {" 12", true, 12},   {"abc", false, 0},   {"7x", false, 0},     {"-1", false, 0},
                          {"", false, 0},      {" 12 ", false, 0},  {"12 ", false, 0},    {"1.5", false, 0}};
    int boxes = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.Text + "\"");
        OriginalForm1->Days1 = 99;
        dialog->Edit1->SetText(c.Text);
        bool stillOpen = false;
        if (!c.Valid) AnswerNextMessageBox(IDOK);
        TModalResult result = ShowWith(dialog, [&](TCustomForm* f) {
            ClickMiddle(dialog->Button1);
            stillOpen = f->GetVisible() && f->GetModalResult() == mrNone;
            if (stillOpen) PressKey(f, VK_ESCAPE);
        });
        EXPECT_EQ(stillOpen, !c.Valid);
        EXPECT_EQ(result, c.Valid ? mrOk : mrCancel);
        EXPECT_EQ(OriginalForm1->Days1, c.Valid ? c.Days : 99);
        boxes += !c.Valid;
        EXPECT_EQ(InvalidEntryBoxes(), boxes);
    }
}

TEST_F(EnterDays, TypedNumberAndEnterStoreAndClose) {
    auto* dialog = TForm::Create<TfEnterDays>(Application);
    TModalResult result = ShowWith(dialog, [](TCustomForm* f) {
        TypeText(f, "21");
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(dialog->Edit1->GetText(), "21");
    EXPECT_EQ(OriginalForm1->Days1, 21);
}

TEST_F(EnterDays, EscapeAndTheCloseCommandStoreNothing) {
    auto* dialog = TForm::Create<TfEnterDays>(Application);
    OriginalForm1->Days1 = 5;
    dialog->Edit1->SetText("30");
    EXPECT_EQ(ShowWith(dialog, [](TCustomForm* f) { PressKey(f, VK_ESCAPE); }), mrCancel);
    EXPECT_EQ(ShowWith(dialog, [](TCustomForm* f) { CloseWindow(f); }), mrCancel);
    EXPECT_EQ(OriginalForm1->Days1, 5);
    EXPECT_FALSE(dialog->GetVisible());
}

TEST_F(EnterDays, StochasticDialogStoresAllThreeOrNone) {
    auto* dialog = TForm::Create<TfEnterDays2>(Application);
    OriginalForm1->Days1 = 1;
    OriginalForm1->Days2 = 2;
    OriginalForm1->Days3 = 3;
    // The second entry is refused: none of the three changes.
    dialog->SeSkinEdit1->SetText("14");
    dialog->SeSkinEdit2->SetText("x");
    dialog->SeSkinEdit3->SetText("3");
    TObject* shownBy = nullptr;  // the warning has the program's one look
    QueueAutomationAnswer("MessageBox", [&](TAutomationRequest& Request) {
        shownBy = dynamic_cast<TComponent*>(Request.Subject)->GetOwner();
        Request.Result = IDOK;
    });
    EXPECT_EQ(ShowWith(dialog,
                       [&](TCustomForm* f) {
                           ClickMiddle(dialog->SeSkinButton1);
                           EXPECT_TRUE(f->GetVisible());
                           PressKey(f, VK_ESCAPE);
                       }),
              mrCancel);
    EXPECT_EQ(InvalidEntryBoxes(), 1);
    EXPECT_EQ(shownBy, OriginalForm1->SeSkinMessage1);
    EXPECT_EQ(OriginalForm1->Days1, 1);
    EXPECT_EQ(OriginalForm1->Days2, 2);
    EXPECT_EQ(OriginalForm1->Days3, 3);

    // Only the first refused entry is reported.
    dialog->SeSkinEdit1->SetText("");
    dialog->SeSkinEdit3->SetText("-1");
    AnswerNextMessageBox(IDOK);
    ShowWith(dialog, [&](TCustomForm* f) {
        ClickMiddle(dialog->SeSkinButton1);
        PressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(InvalidEntryBoxes(), 2);

    dialog->SeSkinEdit1->SetText("14");
    dialog->SeSkinEdit2->SetText("5");
    dialog->SeSkinEdit3->SetText("0");
    EXPECT_EQ(ShowWith(dialog, [](TCustomForm* f) { PressKey(f, VK_RETURN); }), mrOk);
    EXPECT_EQ(OriginalForm1->Days1, 14);
    EXPECT_EQ(OriginalForm1->Days2, 5);
    EXPECT_EQ(OriginalForm1->Days3, 0);
}

TEST_F(EnterDays, PriceOscillatorKeepsItsDisplayChoiceBetweenShowings) {
    auto* dialog = TForm::Create<TfEnterDays3>(Application);
    EXPECT_TRUE(dialog->Points->GetChecked());
    EXPECT_FALSE(dialog->Percentages->GetChecked());
    dialog->SeSkinEdit1->SetText("12");
    dialog->SeSkinEdit2->SetText("26");
    ShowWith(dialog, [&](TCustomForm*) {
        ClickMiddle(dialog->Percentages);
        ClickMiddle(dialog->SeSkinButton1);
    });
    EXPECT_EQ(OriginalForm1->Days1, 12);
    EXPECT_EQ(OriginalForm1->Days2, 26);
    EXPECT_TRUE(OriginalForm1->AsPercentages);

    // Next time "Percentages" is still chosen and stored again.
    OriginalForm1->AsPercentages = false;
    bool checkedOnShow = false;
    ShowWith(dialog, [&](TCustomForm* f) {
        checkedOnShow = dialog->Percentages->GetChecked() && !dialog->Points->GetChecked();
        PressKey(f, VK_RETURN);
    });
    EXPECT_TRUE(checkedOnShow);
    EXPECT_TRUE(OriginalForm1->AsPercentages);

    ShowWith(dialog, [&](TCustomForm* f) {
        ClickMiddle(dialog->Points);
        EXPECT_FALSE(dialog->Percentages->GetChecked());
        PressKey(f, VK_RETURN);
    });
    EXPECT_FALSE(OriginalForm1->AsPercentages);
}

TEST_F(EnterDays, VolatilityDialogStoresTheCheckedChartType) {
    auto* dialog = TForm::Create<TfEnterDays4>(Application);
    EXPECT_TRUE(dialog->Daily->GetChecked());
    EXPECT_FALSE(dialog->Weekly->GetChecked());
    EXPECT_FALSE(dialog->Monthly->GetChecked());
    dialog->SeSkinEdit1->SetText("20");
    ShowWith(dialog, [](TCustomForm* f) { PressKey(f, VK_RETURN); });
    EXPECT_EQ(OriginalForm1->VolatilityPeriod, "Daily");
    EXPECT_EQ(OriginalForm1->Days1, 20);

    for (auto [button, period] : {std::pair{dialog->Weekly, "Weekly"}, std::pair{dialog->Monthly, "Monthly"}}) {
        ShowWith(dialog, [&](TCustomForm* f) {
            ClickMiddle(button);
            PressKey(f, VK_RETURN);
        });
        EXPECT_EQ(OriginalForm1->VolatilityPeriod, period);
        int checked = dialog->Daily->GetChecked() + dialog->Weekly->GetChecked() + dialog->Monthly->GetChecked();
        EXPECT_EQ(checked, 1);
        EXPECT_TRUE(button->GetChecked());
    }

    // A refused entry keeps the period and the chart type stored before.
    dialog->SeSkinEdit1->SetText("");
    AnswerNextMessageBox(IDOK);
    ShowWith(dialog, [&](TCustomForm* f) {
        ClickMiddle(dialog->Daily);
        PressKey(f, VK_RETURN);
        PressKey(f, VK_ESCAPE);
    });
    EXPECT_EQ(InvalidEntryBoxes(), 1);
    EXPECT_EQ(OriginalForm1->VolatilityPeriod, "Monthly");
    EXPECT_EQ(OriginalForm1->Days1, 20);
}

}  // namespace
