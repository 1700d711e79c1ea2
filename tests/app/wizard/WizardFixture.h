#pragma once
// The main window with Vazod Erurid documents: stock quote files of chosen
// closes, and the commands driven through their buttons with the file
// dialogs and messages answered.

#include <string>
#include <vector>

#include "app/mainwindow/MainWindowFixture.h"

class WizardTest : public MainWindowTest {
protected:
    // A stock quote file of the closes given newest first, its volume the
    // row's number; its full path.
    std::string StockFile(const std::string& Name, const std::string& Symbol, const std::vector<double>& Closes);
    // Adds the file through the Add Stocks button, answering nMessages
    // message boxes with OK and keeping their texts in Messages.
    void AddStock(const std::string& Path, int ExpectedMessages = 0);
    // Saves through the Save button into Path.
    void SaveAs(const std::string& Path);
    // Answers the next message boxes with OK, keeping their texts.
    void AcknowledgeMessages(int Count);

    std::vector<std::string> Messages;
};

// Closes of a steady rise (Step > 0) or fall, newest first, starting at Newest.
std::vector<double> Trend(int Count, double Newest, double Step);
// A row of the wizard grid as its six texts.
std::vector<std::string> GridRow(TOriginalForm1* Form, int Row);
