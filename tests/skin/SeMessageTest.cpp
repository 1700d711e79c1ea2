#include <algorithm>
#include <functional>

#include "SkinTest.h"
#include "skin/controls/SeButtons.h"
#include "skin/controls/SeLabel.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinMessage.h"

namespace {

// The box's buttons from left to right.
std::vector<TSeCustomButton*> ButtonsOf(TCustomForm* Box) {
    std::vector<TSeCustomButton*> buttons;
    for (int i = 0; i < Box->GetControlCount(); ++i)
        if (auto* b = dynamic_cast<TSeCustomButton*>(Box->GetControls(i))) buttons.push_back(b);
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) { return a->GetLeft() < b->GetLeft(); });
    return buttons;
}

std::vector<AnsiString> CaptionsOf(TCustomForm* Box) {
    std::vector<AnsiString> captions;
    for (TSeCustomButton* b : ButtonsOf(Box)) captions.push_back(b->GetCaption());
    return captions;
}

TSeCustomLabel* LabelOf(TCustomForm* Box) {
    for (int i = 0; i < Box->GetControlCount(); ++i)
        if (auto* l = dynamic_cast<TSeCustomLabel*>(Box->GetControls(i))) return l;
    return nullptr;
}

TSeCustomButton* ButtonCaptioned(TCustomForm* Box, const char* Caption) {
    for (TSeCustomButton* b : ButtonsOf(Box))
        if (b->GetCaption() == Caption) return b;
    return nullptr;
}

class SeMessage : public SkinTest {
protected:
    // Runs MessageDlg with Script acting on the shown box.
    int Ask(TSeCustomMessage* Message, TMsgDlgButtons Buttons, std::function<void(TCustomForm*)> Script,
            TMsgDlgType Type = mtConfirmation, const AnsiString& Text = "Proceed?") {
        QueueAutomationAnswer("MessageBox", [Script](TAutomationRequest& Request) {
            Script(dynamic_cast<TCustomForm*>(Request.Subject));
        });
        return Message->MessageDlg(Text, Type, Buttons, 0);
    }
    const TMsgDlgButtons YesNoCancel{mbYes, mbNo, mbCancel};
    const TMsgDlgButtons YesNo{mbYes, mbNo};
};

TEST_F(SeMessage, CaptionsFollowTheTypeAndTheRequestTellsTheText) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    const AnsiString oldTitle = Application->GetTitle();
    Application->SetTitle("Velmora Test");
    const std::pair<TMsgDlgType, const char*> cases[] = {{mtWarning, "Warning"},
                                                          {mtError, "Error"},
                                                          {mtInformation, "Information"},
                                                          {mtConfirmation, "Confirm"},
                                                          {mtCustom, "Velmora Test"}};
    for (auto [type, caption] : cases) {
        AnswerNextMessageBox(mrOk);
        EXPECT_EQ(message->MessageDlg("The file was saved.", type, TMsgDlgButtons{mbOK}, 0), mrOk);
        ASSERT_FALSE(AutomationLog().empty());
        EXPECT_EQ(AutomationLog().back().Kind, "MessageBox");
        EXPECT_EQ(AutomationLog().back().Caption, caption);
        EXPECT_EQ(AutomationLog().back().Text, "The file was saved.");
    }
    Application->SetTitle(oldTitle);
}

TEST_F(SeMessage, OneButtonPerMemberInTheFixedOrder) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    const std::pair<TMsgDlgButtons, std::vector<AnsiString>> cases[] = {
        {TMsgDlgButtons{mbOK}, {"OK"}},
        {TMsgDlgButtons{mbCancel, mbNo, mbYes}, {"&Yes", "&No", "Cancel"}},
        {TMsgDlgButtons{mbIgnore, mbRetry, mbAbort}, {"&Abort", "&Retry", "&Ignore"}},
        {TMsgDlgButtons{mbCancel, mbOK}, {"OK", "Cancel"}},
        {TMsgDlgButtons(), {"OK"}},
    };
    for (const auto& [buttons, captions] : cases) {
        std::vector<AnsiString> shown;
        int top = -1;
        Ask(message, buttons, [&](TCustomForm* box) {
            shown = CaptionsOf(box);
            for (TSeCustomButton* b : ButtonsOf(box)) {
                if (top >= 0) {
                    EXPECT_EQ(b->GetTop(), top);  // one row
                }
                top = b->GetTop();
            }
            ButtonsOf(box).front()->Click();
        });
        EXPECT_EQ(shown, captions);
    }
}

TEST_F(SeMessage, EachButtonGivesItsResultByClickAndByAnswer) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    const std::pair<const char*, int> cases[] = {{"&Yes", 6}, {"&No", 7}, {"Cancel", 2}};
    for (auto [caption, result] : cases) {
        EXPECT_EQ(Ask(message, YesNoCancel, [&](TCustomForm* box) {
                      TSeCustomButton* b = ButtonCaptioned(box, caption);
                      ASSERT_NE(b, nullptr);
                      MouseClick(b, 10, 10);
                  }),
                  result)
            << caption;
        AnswerNextMessageBox(result);
        EXPECT_EQ(message->MessageDlg("Proceed?", mtConfirmation, YesNoCancel, 0), result);
    }
    EXPECT_EQ(Ask(message, TMsgDlgButtons{mbOK}, [](TCustomForm* box) { MouseClick(ButtonsOf(box)[0], 5, 5); }), 1);
    // An answer naming a button the box does not have is the test's mistake.
    AnswerNextMessageBox(mrOk);
    EXPECT_THROW(message->MessageDlg("Proceed?", mtConfirmation, YesNo, 0), EAutomationError);
    EXPECT_EQ(message->GetMessageForm(), nullptr);
}

TEST_F(SeMessage, EnterTabAndAccessKeys) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { PressKey(box, VK_RETURN); }), mrYes);
    EXPECT_EQ(Ask(message, YesNoCancel,
                  [](TCustomForm* box) {
                      PressKey(box, VK_TAB);
                      EXPECT_TRUE(ButtonsOf(box)[1]->Focused());
                      PressKey(box, VK_RETURN);
                  }),
              mrNo);
    EXPECT_EQ(Ask(message, YesNoCancel,
                  [](TCustomForm* box) {
                      PressKey(box, VK_TAB, TShiftState() << ssShift);
                      EXPECT_TRUE(ButtonsOf(box)[2]->Focused());
                      PressKey(box, VK_SPACE);
                  }),
              mrCancel);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { TypeText(box, "n"); }), mrNo);
    EXPECT_EQ(Ask(message, TMsgDlgButtons{mbAbort, mbRetry, mbIgnore}, [](TCustomForm* box) { TypeText(box, "R"); }),
              mrRetry);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { PressKey(box, 'N', TShiftState() << ssAlt); }), mrNo);
}

TEST_F(SeMessage, EscapeAndClosingPressTheCancellingButtonOnly) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); }), mrCancel);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { CloseWindow(box); }), mrCancel);
    EXPECT_EQ(Ask(message, TMsgDlgButtons{mbYes, mbNo, mbAll}, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); }),
              mrNo);
    EXPECT_EQ(Ask(message, TMsgDlgButtons{mbOK}, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); }), mrOk);
    // A plain Yes/No question has to be answered: after Escape and the
    // window's close the box is still up for the next answer.
    QueueAutomationAnswer("MessageBox", [](TAutomationRequest& Request) {
        auto* box = dynamic_cast<TCustomForm*>(Request.Subject);
        PressKey(box, VK_ESCAPE);
        CloseWindow(box);
    });
    EXPECT_EQ(Ask(message, YesNo,
                  [](TCustomForm* box) {
                      EXPECT_TRUE(box->GetVisible());
                      EXPECT_EQ(box->GetModalResult(), mrNone);
                      MouseClick(ButtonsOf(box)[1], 5, 5);
                  }),
              mrNo);
}

TEST_F(SeMessage, TheTextWrapsAndTheBoxFitsIt) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    int shortHeight = 0, shortLabelHeight = 0;
    Ask(message, TMsgDlgButtons{mbOK}, [&](TCustomForm* box) {
        shortHeight = box->GetHeight();
        shortLabelHeight = LabelOf(box)->GetHeight();
        PressKey(box, VK_RETURN);
    });
    AnsiString longText;
    for (int i = 0; i < 30; ++i) longText += "The number of days have to be between 1 and 4000. ";
    Ask(
        message, TMsgDlgButtons{mbOK},
        [&](TCustomForm* box) {
            TSeCustomLabel* label = LabelOf(box);
            EXPECT_GE(label->GetHeight(), 5 * shortLabelHeight);
            EXPECT_LE(label->GetWidth(), message->GetMaxTextWidth());
            EXPECT_GT(box->GetHeight(), shortHeight + 4 * shortLabelHeight);
            // Everything lies inside the box, the buttons under the text.
            for (int i = 0; i < box->GetControlCount(); ++i) {
                TRect r = box->GetControls(i)->GetBoundsRect();
                EXPECT_TRUE(r.Right <= box->GetClientWidth() && r.Bottom <= box->GetClientHeight());
            }
            EXPECT_GE(ButtonsOf(box)[0]->GetTop(), label->GetTop() + label->GetHeight());
            PressKey(box, VK_RETURN);
        },
        mtError, longText);
}

TEST_F(SeMessage, CentredOnItsOwnerFormOrOnTheScreen) {
    TForm* owner = ShownFormAt(200, 150, 500, 400);
    auto* message = new TSeCustomMessage(owner);
    auto centre = [](const TRect& r) { return TPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2); };
    Ask(message, YesNo, [&](TCustomForm* box) {
        TPoint c = centre(box->GetBoundsRect()), o = centre(owner->GetBoundsRect());
        EXPECT_LE(std::abs(c.x - o.x), 1);
        EXPECT_LE(std::abs(c.y - o.y), 1);
        PressKey(box, VK_RETURN);
    });
    message->SetPosition(poScreenCenter);
    Ask(message, YesNo, [&](TCustomForm* box) {
        TPoint c = centre(box->GetBoundsRect());
        EXPECT_LE(std::abs(c.x - Screen->GetWidth() / 2), 1);
        EXPECT_LE(std::abs(c.y - Screen->GetHeight() / 2), 1);
        PressKey(box, VK_RETURN);
    });
}

TEST_F(SeMessage, TheBoxBelongsToTheComponentAndGoesWithIt) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    const int forms = Screen->GetFormCount();
    Ask(message, TMsgDlgButtons{mbOK}, [&](TCustomForm* box) {
        EXPECT_EQ(box->GetOwner(), message);
        EXPECT_EQ(message->GetMessageForm(), box);
        EXPECT_EQ(Screen->GetFormCount(), forms + 1);
        PressKey(box, VK_RETURN);
    });
    EXPECT_EQ(message->GetMessageForm(), nullptr);
    EXPECT_EQ(Screen->GetFormCount(), forms);

    // Freed while the box is up: the box goes too and the call gives Cancel.
    std::weak_ptr<char> boxAlive;
    EXPECT_EQ(Ask(message, YesNo,
                  [&](TCustomForm* box) {
                      boxAlive = box->AliveToken();
                      delete message;
                  }),
              mrCancel);
    EXPECT_TRUE(boxAlive.expired());
    EXPECT_EQ(Screen->GetFormCount(), forms);
}

// ---- the application's boxes -----------------------------------------------------

TEST_F(SeMessage, ShowsTheApplicationsBoxesWithTheirCaptionButtonsAndDefault) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    message->SetApplicationMessages(true);
    EXPECT_TRUE(message->GetApplicationMessages());
    struct Shown {
        TObject* owner = nullptr;
        AnsiString caption, text;
        std::vector<AnsiString> buttons;
    };
    auto answer = [](Shown& Seen, std::function<void(TCustomForm*)> Input) {
        QueueAutomationAnswer("MessageBox", [&Seen, Input](TAutomationRequest& Request) {
            auto* box = dynamic_cast<TCustomForm*>(Request.Subject);
            Seen = {box->GetOwner(), Request.Caption, Request.Text, CaptionsOf(box)};
            Input(box);
        });
    };
    Shown seen;
    answer(seen, [](TCustomForm* box) { PressKey(box, VK_RETURN); });
    EXPECT_EQ(Application->MessageBox("Replace the file?", "Save", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO)
        << "Enter presses the default button, the second";
    EXPECT_EQ(seen.owner, message);
    EXPECT_EQ(seen.caption, "Save");
    EXPECT_EQ(seen.text, "Replace the file?");
    EXPECT_EQ(seen.buttons, (std::vector<AnsiString>{"&Yes", "&No", "Cancel"}));

    answer(seen, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); });
    EXPECT_EQ(Application->MessageBox("The server did not answer.", "Download", MB_RETRYCANCEL), IDCANCEL);
    EXPECT_EQ(seen.buttons, (std::vector<AnsiString>{"&Retry", "Cancel"}));

    // The default exception box, with the title as its caption.
    const AnsiString oldTitle = Application->GetTitle();
    Application->SetTitle("Velmora Test");
    answer(seen, [](TCustomForm* box) { PressKey(box, VK_RETURN); });
    Exception failure("Cannot open file");
    Application->ShowException(&failure);
    EXPECT_EQ(seen.owner, message);
    EXPECT_EQ(seen.caption, "Velmora Test");
    EXPECT_EQ(seen.text, "Cannot open file.");
    EXPECT_EQ(seen.buttons, (std::vector<AnsiString>{"OK"}));
    Application->SetTitle(oldTitle);
}

TEST_F(SeMessage, AnApplicationBoxCanShowOverTheComponentsOwnBox) {
    TForm* form = ShownForm();
    auto* message = new TSeCustomMessage(form);
    message->SetApplicationMessages(true);
    TCustomForm* inner = nullptr;
    const int result = Ask(message, YesNo, [&](TCustomForm* box) {
        // As a handler that runs while the box is up and fails would.
        QueueAutomationAnswer("MessageBox", [&](TAutomationRequest& Request) {
            inner = dynamic_cast<TCustomForm*>(Request.Subject);
            EXPECT_EQ(inner->GetOwner(), message);
            EXPECT_EQ(message->GetMessageForm(), inner);
            Request.Result = IDOK;
        });
        Exception failure("The connection was reset");
        Application->ShowException(&failure);
        EXPECT_NE(inner, nullptr);
        EXPECT_NE(inner, box);
        EXPECT_EQ(message->GetMessageForm(), box) << "the first box is current again";
        EXPECT_TRUE(box->GetVisible());
        PressKey(box, VK_RETURN);
    });
    EXPECT_EQ(result, mrYes);
    EXPECT_EQ(message->GetMessageForm(), nullptr);
}

TEST_F(SeMessage, OneComponentAtATimeShowsTheApplicationsBoxes) {
    TForm* form = ShownForm();
    auto* first = new TSeCustomMessage(form);
    auto* second = new TSeSkinMessage(form);
    first->SetApplicationMessages(true);
    second->SetApplicationMessages(true);
    EXPECT_FALSE(first->GetApplicationMessages());
    EXPECT_TRUE(second->GetApplicationMessages());
    first->SetApplicationMessages(false);
    EXPECT_TRUE(second->GetApplicationMessages()) << "only its own binding is undone";

    // Freed, it gives them back to the plain box.
    delete second;
    EXPECT_FALSE(Application->OnMessageBox);
    TObject* owner = form;
    QueueAutomationAnswer("MessageBox", [&](TAutomationRequest& Request) {
        owner = dynamic_cast<TComponent*>(Request.Subject)->GetOwner();
        Request.Result = IDOK;
    });
    EXPECT_EQ(Application->MessageBox("Done.", "Download", MB_OK), IDOK);
    EXPECT_EQ(owner, nullptr);
}

// ---- skinned ---------------------------------------------------------------------

TEST_F(SeMessage, SkinnedBoxDrawsItsSkinAndFrameAndFallsBackToClassic) {
    TForm* form = ShownFormAt(100, 100, 400, 300);
    auto* classic = new TSeCustomMessage(form);
    auto* skinned = new TSeSkinMessage(form);
    struct Look {
        TColor face;
        bool framed;
        bool skinButtons;
        int result;
    };
    auto look = [&](TSeCustomMessage* message) {
        Look l{};
        l.result = Ask(message, YesNo, [&](TCustomForm* box) {
            TRect insets = box->GetFrameInsets();
            box->Repaint();
            l.face = SurfacePixel(box, insets.Left + 6, insets.Top + 6);
            for (int i = 0; i < box->GetComponentCount(); ++i)
                l.framed |= dynamic_cast<TSeSkinForm*>(box->GetComponent(i)) != nullptr;
            l.skinButtons = dynamic_cast<TSeSkinButton*>(ButtonsOf(box)[0]) != nullptr;
            EXPECT_EQ(box->GetCaption(), "Confirm");
            MouseClick(ButtonsOf(box)[1], 5, 5);
        });
        return l;
    };
    const Look plain = look(classic);
    EXPECT_EQ(plain.face, ColorToRGB(clBtnFace));
    EXPECT_FALSE(plain.framed);
    EXPECT_EQ(plain.result, mrNo);

    const Look unskinned = look(skinned);  // no engine: the classic look
    EXPECT_EQ(unskinned.face, plain.face);
    EXPECT_FALSE(unskinned.framed);
    EXPECT_TRUE(unskinned.skinButtons);

    {
        TSeSkinEngine engine(nullptr);
        const Look withSkin = look(skinned);
        EXPECT_EQ(withSkin.face, ColorToRGB(engine.FindObject("Message")->GetLook(kssNormal).Face));
        EXPECT_NE(withSkin.face, plain.face);
        EXPECT_TRUE(withSkin.framed);
        EXPECT_EQ(withSkin.result, mrNo);
    }
}

TEST_F(SeMessage, SkinnedButtonsAnswerAsTheClassicOnes) {
    TForm* form = ShownForm();
    TSeSkinEngine engine(nullptr);
    auto* message = new TSeSkinMessage(form);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); }), mrCancel);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { TypeText(box, "y"); }), mrYes);
    EXPECT_EQ(Ask(message, YesNoCancel, [](TCustomForm* box) { CloseWindow(box); }), mrCancel);
}

}  // namespace
