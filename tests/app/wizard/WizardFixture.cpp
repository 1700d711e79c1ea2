#include "app/wizard/WizardFixture.h"

#include <cstdio>

#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "platform/testing/TestInput.h"

std::string WizardTest::StockFile(const std::string& Name, const std::string& Symbol,
                                  const std::vector<double>& Closes) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string text = "0,2,1990,4,30,2024," + Symbol + "\n";
    for (std::size_t i = 0; i < Closes.size(); ++i) {
        // Dates only need to be texts of their own here.
        char line[160];
        std::snprintf(line, sizeof line, "%zu-%s-%02zu,%.4f,%.4f,%.4f,%.4f,%zu\n", 1 + i % 28, months[(i / 28) % 12],
                      99 - (i / 336) % 100, Closes[i], Closes[i] + 1, Closes[i] - 1, Closes[i], 1000 + i);
        text += line;
    }
    return WriteFile(Name, text);
}

void WizardTest::AcknowledgeMessages(int Count) {
    for (int i = 0; i < Count; ++i)
        QueueAutomationAnswer("MessageBox", [this](TAutomationRequest& Request) {
            Messages.push_back(Request.Text.str());
            Request.Result = mrOk;
        });
}

void WizardTest::AddStock(const std::string& Path, int ExpectedMessages) {
    AcknowledgeMessages(ExpectedMessages);
    AnswerNextFileDialog(Path.c_str());
    MouseClick(form_->BtWizardAdd, 5, 5);
}

void WizardTest::SaveAs(const std::string& Path) {
    AnswerNextFileDialog(Path.c_str());
    MouseClick(form_->ToolbWizardSaveBt, 5, 5);
}

std::vector<double> Trend(int Count, double Newest, double Step) {
    std::vector<double> closes;
    for (int i = 0; i < Count; ++i) closes.push_back(Newest - Step * i);
    return closes;
}

std::vector<std::string> GridRow(TOriginalForm1* Form, int Row) {
    std::vector<std::string> cells;
    for (int column = 0; column < 6; ++column) cells.push_back(Form->StringGrid1->GetCells(column, Row).str());
    return cells;
}
