#include "SkinTest.h"
#include "platform/controls/ExtCtrls.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinStatusBar.h"

namespace {

class SkinForm : public SkinTest {
protected:
    // Drags with the left button from a client point of Form by (Dx, Dy),
    // the way the mouse moves on screen while the form follows it.
    static void Drag(TCustomForm* Form, TPoint From, int Dx, int Dy) {
        TPoint start = Form->ClientToScreen(From);
        MouseDown(Form, mbLeft, From.x, From.y);
        for (int step = 1; step <= 2; ++step) {
            TPoint p = Form->ScreenToClient(Point(start.x + Dx * step / 2, start.y + Dy * step / 2));
            MouseMove(Form, p.x, p.y);
        }
        TPoint end = Form->ScreenToClient(Point(start.x + Dx, start.y + Dy));
        MouseUp(Form, mbLeft, end.x, end.y);
    }
    static TPoint Centre(const TRect& R) { return Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }
};

TEST_F(SkinForm, TheFrameIsDrawnAndTheControlsSitInsideIt) {
    auto* engine = new TSeSkinEngine(Application);
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    auto* body = new TPanel(form);
    body->SetAlign(alClient);
    body->SetParent(form);
    Application->ProcessMessages();

    auto* look = dynamic_cast<TSeFormObject*>(engine->FindObject("Form"));
    ASSERT_NE(look, nullptr);
    int b = look->GetBorderWidth(), c = look->GetCaptionHeight();
    EXPECT_FALSE(form->GetHostFrame());
    EXPECT_EQ(form->GetFrameInsets(), Rect(b, b + c, b, b));
    EXPECT_EQ(body->GetBoundsRect(), Rect(b, b + c, 300 - b, 200 - b));
    EXPECT_EQ(frame->GetCaptionRect(), Rect(b, b, 300 - b, b + c));
    // The window's background takes the skin's client colour.
    EXPECT_EQ(form->GetColor(), engine->FindObject("Form.Client")->GetLook(kssNormal).Face);
    // The caption bar in the skin's colours, the outline in its border colour.
    EXPECT_EQ(ScreenPixel(form, 0, 100), look->GetLook(kssNormal).Border);
    EXPECT_NE(ScreenPixel(form, 150, b + 1), form->GetColor());

    // Close, maximise and minimise from the right; the system menu at the left.
    TRect close = frame->GetButtonRect(kbiClose), max = frame->GetButtonRect(kbiMaximize);
    EXPECT_GT(close.Left, max.Left);
    EXPECT_LT(frame->GetButtonRect(kbiSystemMenu).Right, max.Left);
    EXPECT_TRUE(frame->GetButtonRect(kbiRollUp).IsEmpty());

    // Removing the component gives the host's frame back.
    delete frame;
    EXPECT_TRUE(form->GetHostFrame());
    EXPECT_EQ(body->GetBoundsRect(), Rect(0, 0, 300, 200));
    delete engine;
}

TEST_F(SkinForm, CaptionTextIsDrawnAndAClassicLookServesWithoutSkin) {
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose});
    Application->ProcessMessages();
    TRect text = frame->GetCaptionRect();
    text.Right = frame->GetButtonRect(kbiClose).Left;
    // Without any engine: the classic navy caption bar.
    EXPECT_EQ(ScreenPixel(form, text.Left + 1, text.Top), RGB(0, 0, 0x80));
    auto differing = [&] {
        int n = 0;
        for (int y = text.Top; y < text.Bottom; ++y)
            for (int x = text.Left + 4; x < text.Right; x += 2) n += ScreenPixel(form, x, y) != ScreenPixel(form, text.Left + 1, y);
        return n;
    };
    EXPECT_EQ(differing(), 0);
    frame->SetCaption("Velmora");
    Application->ProcessMessages();
    EXPECT_EQ(form->GetCaption(), "Velmora");
    EXPECT_GT(differing(), 10);

    // An engine made later is used at its skin change; its caption is the skin's.
    auto* engine = new TSeSkinEngine(Application);
    engine->LoadFromText(EmbeddedSkinText());
    Application->ProcessMessages();
    auto* look = dynamic_cast<TSeFormObject*>(engine->FindObject("Form"));
    EXPECT_EQ(form->GetFrameInsets().Top, look->GetBorderWidth() + look->GetCaptionHeight());
    EXPECT_NE(ScreenPixel(form, text.Left + 1, text.Top), RGB(0, 0, 0x80));
    delete engine;
}

TEST_F(SkinForm, DraggingTheCaptionMovesAndTheBordersSize) {
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    Application->ProcessMessages();
    TPoint caption = Point(120, frame->GetCaptionRect().Top + 5);
    Drag(form, caption, 40, 25);
    EXPECT_EQ(form->GetBoundsRect(), Rect(140, 125, 440, 325));

    Drag(form, Point(298, 100), 30, 0);
    EXPECT_EQ(form->GetBoundsRect(), Rect(140, 125, 470, 325));
    Drag(form, Point(150, 198), 0, -50);
    EXPECT_EQ(form->GetBoundsRect(), Rect(140, 125, 470, 275));
    Drag(form, Point(329, 149), 10, 20);  // the corner sizes both ways
    EXPECT_EQ(form->GetBoundsRect(), Rect(140, 125, 480, 295));
    Drag(form, Point(1, 100), -20, 0);
    EXPECT_EQ(form->GetBoundsRect(), Rect(120, 125, 480, 295));
    // Never smaller than the caption bar needs.
    Drag(form, Point(359, 100), -1000, 0);
    EXPECT_GT(form->GetWidth(), 60);
    // The client area does not move the form.
    TRect before = form->GetBoundsRect();
    Drag(form, Point(30, 100), 30, 30);
    EXPECT_EQ(form->GetBoundsRect(), before);
}

TEST_F(SkinForm, CaptionButtonsHotTrackAndAct) {
    auto* engine = new TSeSkinEngine(Application);
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollUp, kbiTray});
    Application->ProcessMessages();

    TPoint close = Centre(frame->GetButtonRect(kbiClose));
    TRect closeRect = frame->GetButtonRect(kbiClose);
    TColor quiet = ScreenPixel(form, closeRect.Left + 1, closeRect.Top + 1);
    MouseMove(form, close.x, close.y);
    EXPECT_EQ(frame->GetHotButton(), kbiClose);
    EXPECT_NE(ScreenPixel(form, closeRect.Left + 1, closeRect.Top + 1), quiet);
    MouseMove(form, 150, 100);
    EXPECT_EQ(frame->GetHotButton(), -1);
    EXPECT_EQ(ScreenPixel(form, closeRect.Left + 1, closeRect.Top + 1), quiet);

    // Maximise fills the screen; the same button restores.
    MouseClick(form, Centre(frame->GetButtonRect(kbiMaximize)).x, Centre(frame->GetButtonRect(kbiMaximize)).y);
    EXPECT_TRUE(frame->GetMaximized());
    EXPECT_EQ(form->GetBoundsRect(), Rect(0, 0, Screen->GetWidth(), Screen->GetHeight()));
    MouseClick(form, Centre(frame->GetButtonRect(kbiMaximize)).x, Centre(frame->GetButtonRect(kbiMaximize)).y);
    EXPECT_FALSE(frame->GetMaximized());
    EXPECT_EQ(form->GetBoundsRect(), Rect(100, 100, 400, 300));

    // Pressing a button and leaving it before the release does nothing.
    TPoint roll = Centre(frame->GetButtonRect(kbiRollUp));
    MouseDown(form, mbLeft, roll.x, roll.y);
    MouseMove(form, 150, 100);
    MouseUp(form, mbLeft, 150, 100);
    EXPECT_FALSE(frame->GetRolledUp());

    // The system menu icon does nothing.
    TPoint menu = Centre(frame->GetButtonRect(kbiSystemMenu));
    MouseClick(form, menu.x, menu.y);
    EXPECT_TRUE(form->GetVisible());
    EXPECT_FALSE(ShownMinimized(form));

    // Close runs the form's Close.
    bool closed = false;
    form->OnClose = [&closed](TObject*, TCloseAction&) { closed = true; };
    MouseClick(form, close.x, close.y);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form->GetVisible());
    delete engine;
}

TEST_F(SkinForm, RollUpLeavesTheCaptionAloneAndRollsBackDown) {
    auto* engine = new TSeSkinEngine(Application);
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollUp, kbiTray});
    auto* status = new TSeSkinStatusBar(form);
    status->SetParent(form);
    auto* body = new TPaintProbe(form, clLime);
    body->SetAlign(alClient);
    body->SetParent(form);
    Application->ProcessMessages();
    const TRect caption = frame->GetCaptionRect();
    const int b = caption.Left, sh = status->GetHeight();
    const TRect statusPlace = Rect(b, 200 - b - sh, 300 - b, 200 - b), bodyPlace = Rect(b, caption.Bottom, 300 - b, 200 - b - sh);
    ASSERT_EQ(status->GetBoundsRect(), statusPlace);
    ASSERT_EQ(body->GetBoundsRect(), bodyPlace);
    // The caption bar as it looks unrolled, down its middle and on its buttons.
    auto captionLook = [&] {
        std::vector<TColor> look;
        for (int y = caption.Top; y < caption.Bottom - 1; ++y) look.push_back(ScreenPixel(form, 150, y));
        for (TSeBorderIcon icon : {kbiClose, kbiRollUp, kbiTray}) {
            TRect r = frame->GetButtonRect(icon);
            look.push_back(ScreenPixel(form, r.Left + 2, r.Top + 2));
            look.push_back(ScreenPixel(form, Centre(r).x, Centre(r).y));
        }
        return look;
    };
    const std::vector<TColor> unrolled = captionLook();

    // The strip is the caption bar exactly; nothing of the client area shows
    // in it, the status bar least of all.
    TPoint roll = Centre(frame->GetButtonRect(kbiRollUp));
    MouseClick(form, roll.x, roll.y);
    ASSERT_TRUE(frame->GetRolledUp());
    EXPECT_EQ(form->GetHeight(), caption.Bottom);
    EXPECT_EQ(form->GetBoundsRect(), Rect(100, 100, 400, 100 + caption.Bottom));
    for (TControl* child : {static_cast<TControl*>(status), static_cast<TControl*>(body)})
        EXPECT_GE(child->GetTop(), form->GetClientHeight()) << "an aligned control shows in the strip";
    EXPECT_EQ(captionLook(), unrolled);

    // The same button, clicked on the strip, rolls the window down to its old
    // height with everything back in place.
    MouseClick(form, roll.x, roll.y);
    EXPECT_FALSE(frame->GetRolledUp());
    EXPECT_EQ(form->GetBoundsRect(), Rect(100, 100, 400, 300));
    EXPECT_EQ(status->GetBoundsRect(), statusPlace);
    EXPECT_EQ(body->GetBoundsRect(), bodyPlace);
    EXPECT_EQ(ScreenPixel(form, 150, 100), clLime);

    // A double click on the caption rolls up; rolled up, the strip moves by
    // any part of its caption and sizes only in width.
    MouseDoubleClick(form, 150, caption.Top + 4);
    ASSERT_TRUE(frame->GetRolledUp());
    Drag(form, Point(150, caption.Bottom - 1), 20, 10);
    EXPECT_EQ(form->GetBoundsRect(), Rect(120, 110, 420, 110 + caption.Bottom));
    Drag(form, Point(299, caption.Top + 4), 40, 30);
    EXPECT_EQ(form->GetBoundsRect(), Rect(120, 110, 460, 110 + caption.Bottom));
    // And a double click rolls it down, laid out for the new width.
    MouseDoubleClick(form, 150, caption.Top + 4);
    EXPECT_FALSE(frame->GetRolledUp());
    EXPECT_EQ(form->GetBoundsRect(), Rect(120, 110, 460, 310));
    EXPECT_EQ(status->GetBoundsRect(), Rect(b, 200 - b - sh, 340 - b, 200 - b));
    EXPECT_EQ(body->GetBoundsRect(), Rect(b, caption.Bottom, 340 - b, 200 - b - sh));

    // Maximising a rolled-up window unrolls it first; taking the frame away
    // leaves no window rolled up.
    frame->SetRolledUp(true);
    frame->SetMaximized(true);
    EXPECT_FALSE(frame->GetRolledUp());
    frame->SetMaximized(false);
    EXPECT_EQ(form->GetHeight(), 200);
    // A skin of another caption height keeps the strip to its caption.
    frame->SetRolledUp(true);
    auto* tall = new TSeSkinEngine(Application);
    tall->LoadFromText("object Form form\n  captionheight = 40\n  borderwidth = 2\nend\n");
    frame->SetSkinEngine(tall);
    EXPECT_EQ(form->GetHeight(), 42);
    delete tall;
    EXPECT_EQ(form->GetHeight(), caption.Bottom);
    delete frame;
    EXPECT_EQ(form->GetHeight(), 200);
    delete engine;
}

TEST_F(SkinForm, WithATrayTheWindowHidesBehindItsIconAndComesBack) {
    FakeSystemTray(true);
    TForm* form = nullptr;
    Application->CreateForm(&form);  // the main form
    form->SetCaption("Velmora");
    form->SetBounds(100, 100, 300, 200);
    form->Show();
    auto* frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiMinimize, kbiTray});
    Application->ProcessMessages();
    TPoint tray = Centre(frame->GetButtonRect(kbiTray));
    EXPECT_FALSE(TrayIconShown());

    // A click on the icon brings the window back, the icon goes.
    MouseClick(form, tray.x, tray.y);
    EXPECT_TRUE(frame->GetInTray());
    EXPECT_FALSE(form->GetVisible());
    EXPECT_TRUE(TrayIconShown());
    ClickTrayIcon();
    EXPECT_FALSE(frame->GetInTray());
    EXPECT_TRUE(form->GetVisible());
    EXPECT_FALSE(TrayIconShown());
    EXPECT_EQ(form->GetBoundsRect(), Rect(100, 100, 400, 300));

    // So does Restore in its menu.
    MouseClick(form, tray.x, tray.y);
    ASSERT_TRUE(TrayIconShown());
    ChooseFromTrayMenu("Restore");
    EXPECT_TRUE(form->GetVisible());
    EXPECT_FALSE(TrayIconShown());

    // Exit closes the window as its close button would: the close question
    // comes first, and a no keeps the program running, the window shown.
    int asked = 0;
    form->OnCloseQuery = [&asked](TObject*, bool& CanClose) { CanClose = ++asked > 1; };
    MouseClick(form, tray.x, tray.y);
    ChooseFromTrayMenu("Exit");
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(Application->GetTerminated());
    EXPECT_TRUE(form->GetVisible());
    EXPECT_FALSE(frame->GetInTray());
    EXPECT_FALSE(TrayIconShown());
    MouseClick(form, tray.x, tray.y);
    ChooseFromTrayMenu("Exit");
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(Application->GetTerminated());
    EXPECT_THROW(ClickTrayIcon(), EInvalidOperation);
}

TEST_F(SkinForm, TheTrayIconGoesWithItsWindow) {
    FakeSystemTray(true);
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiTray});
    TPoint tray = Centre(frame->GetButtonRect(kbiTray));
    // Taking the frame away gives the window back.
    MouseClick(form, tray.x, tray.y);
    ASSERT_TRUE(TrayIconShown());
    delete frame;
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(form->GetVisible());

    frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiTray});
    MouseClick(form, tray.x, tray.y);
    ASSERT_TRUE(TrayIconShown());
    delete form;
    EXPECT_FALSE(TrayIconShown());
    Application->ProcessMessages();
}

TEST_F(SkinForm, WithoutATrayTheTrayButtonMinimises) {
    FakeSystemTray(false);
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiMinimize, kbiTray});
    Application->ProcessMessages();
    TPoint tray = Centre(frame->GetButtonRect(kbiTray));
    MouseClick(form, tray.x, tray.y);
    EXPECT_TRUE(ShownMinimized(form));
    EXPECT_TRUE(form->GetVisible());
    EXPECT_FALSE(frame->GetInTray());
    EXPECT_FALSE(TrayIconShown());

    // As the minimise button does.
    auto* other = ShownFormAt(150, 150, 300, 200);
    auto* otherFrame = new TSeSkinForm(other);
    Application->ProcessMessages();
    EXPECT_FALSE(ShownMinimized(other));
    TPoint minimise = Centre(otherFrame->GetButtonRect(kbiMinimize));
    MouseClick(other, minimise.x, minimise.y);
    EXPECT_TRUE(ShownMinimized(other));

    // With no window manager nothing iconifies the window: it stays on the
    // screen, and a click on it makes it a normal window again (a web page in
    // a window left minimised stops drawing).
    MouseClick(other, 150, 100);
    EXPECT_FALSE(ShownMinimized(other));
}

TEST_F(SkinForm, ClosingThatFreesTheFormIsSafe) {
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    form->OnClose = [](TObject*, TCloseAction& Action) { Action = caFree; };
    TPoint close = Centre(frame->GetButtonRect(kbiClose));
    int before = Screen->GetFormCount();
    MouseClick(form, close.x, close.y);
    Application->ProcessMessages();
    EXPECT_EQ(Screen->GetFormCount(), before - 1);
}

TEST_F(SkinForm, AnEngineOfItsOwnIsForgottenWhenFreed) {
    auto* form = ShownFormAt(100, 100, 300, 200);
    auto* frame = new TSeSkinForm(form);
    auto* engine = new TSeSkinEngine(Application);
    engine->LoadFromText("object Form form\n  captionheight = 40\n  borderwidth = 2\nend\n");
    auto* own = new TSeSkinEngine(Application);
    frame->SetSkinEngine(own);
    EXPECT_EQ(form->GetFrameInsets(), Rect(4, 4 + 24, 4, 4));
    delete own;
    EXPECT_EQ(frame->GetSkinEngine(), nullptr);
    EXPECT_EQ(form->GetFrameInsets(), Rect(2, 42, 2, 2));
    Application->ProcessMessages();
    delete engine;
    EXPECT_EQ(form->GetFrameInsets(), Rect(4, 4 + 18, 4, 4));  // the classic frame
}

TEST_F(SkinForm, OnlyAFormCanOwnTheFrame) {
    EXPECT_THROW(new TSeSkinForm(Application), EComponentError);
}

}  // namespace
