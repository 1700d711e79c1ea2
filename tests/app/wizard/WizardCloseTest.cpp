// Closing the main window with unsaved changes in the Vazod Erurid
// document: the answers to the question, and saves that do not happen.
#include <filesystem>

#include "app/wizard/WizardFixture.h"
#include "platform/testing/TestInput.h"

namespace {

TEST_F(WizardTest, ClosingWithUnsavedChangesSavesOnlyWhenTheSaveSucceeds) {
    struct Case {
        const char* Name;
        int Answer;
        enum { Saved, Cancelled, Failing, NotAsked } Save;
        bool Closes;
    };
    const Case cases[] = {
        {"yes, saved", mrYes, Case::Saved, true},
        {"yes, save dialog cancelled", mrYes, Case::Cancelled, false},
        {"yes, save failing", mrYes, Case::Failing, false},
        {"no", mrNo, Case::NotAsked, true},
        {"cancel", mrCancel, Case::NotAsked, false},
    };
    const std::string stock = StockFile("rise.zrq", "RISE", Trend(250, 200, 0.5));
    const std::string saved = dir_.File("closing.zrw");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        std::filesystem::remove(saved);
        TOriginalForm1* form = Start();
        AddStock(stock);
        ASSERT_TRUE(form->Modified);
        AnswerMessage(c.Answer);
        if (c.Save == Case::Saved) AnswerNextFileDialog(saved.c_str());
        if (c.Save == Case::Cancelled) CancelNextFileDialog();
        if (c.Save == Case::Failing) {
            AnswerNextFileDialog(dir_.File("no such folder/closing.zrw").c_str());
            AnswerMessage(mrOk);
        }
        CloseWindow(form);
        EXPECT_EQ(form->GetVisible(), !c.Closes);
        EXPECT_EQ(form->Modified, !c.Closes || c.Answer == mrNo);
        EXPECT_EQ(std::filesystem::exists(saved), c.Save == Case::Saved);
        if (c.Save == Case::Saved) {
            EXPECT_EQ(dir_.Read("closing.zrw"), stock + "\n");
        }
        if (c.Save == Case::Failing) {
            EXPECT_NE(MessageText().Pos("Cannot write the Vazod Erurid document"), 0);
        }
        EXPECT_EQ(MessagesShown(), c.Save == Case::Failing ? 2 : 1);
        Finish();
        ClearAutomation();
    }
}

}  // namespace
