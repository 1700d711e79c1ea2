#pragma once
// A main window made as the program makes it, with a command line of the
// test's choosing, and the stock quote files the tests open.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/mainwindow/zrmain.h"
#include "platform/controls/Automation.h"
#include "support/TempDir.h"

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the window (its creation handler runs) with these arguments
    // after the program name, and shows it.
    TOriginalForm1* Start(const std::vector<std::string>& Arguments = {});
    // Frees the window made last, as the program's end would.
    void Finish();

    // Queues an answer for the next message box: remembers what it said
    // and presses Button.
    void AnswerMessage(int Button);
    AnsiString MessageText() const { return messageText_; }
    AnsiString MessageCaption() const { return messageCaption_; }
    int MessagesShown() const;

    // A file with the given text in the test's folder; its full path.
    std::string WriteFile(const std::string& Name, const std::string& Text) const;
    // The three-quote XYZ file with the given line end.
    static std::string XyzFile(const std::string& LineEnd, bool LastLineEnd = true);

    TempDir dir_;
    TOriginalForm1* form_ = nullptr;

private:
    AnsiString messageText_, messageCaption_;
};

// Texts of a combo's items, in order.
class TSeCustomComboBox;
std::vector<std::string> ComboItems(TSeCustomComboBox* Combo);
