#include "platform/controls/ControlProbes.h"
#include "platform/host/Dialogs.h"
#include "platform/host/ShellApi.h"
#include "support/TempDir.h"

namespace {

class Dialogs : public PlatformTest {};

TEST_F(Dialogs, OpenDialogTakesTheAnsweredFileAndKeepsTheOldNameOnCancel) {
    TempDir dir;
    dir.Write("xyz.zrq", "quotes");
    auto* form = new TForm(Application);
    auto* open = new TOpenDialog(form);
    open->SetTitle("Open Stock Quote File");
    open->SetFilter("Stock quote files (*.zrq)|*.zrq|All files|*.*");
    open->SetOptions(TOpenOptions{ofFileMustExist});
    open->SetFileName("earlier.zrq");

    CancelNextFileDialog();
    EXPECT_FALSE(open->Execute());
    EXPECT_EQ(open->GetFileName(), "earlier.zrq");

    AnswerNextFileDialog(AnsiString(dir.File("xyz.zrq")));
    EXPECT_TRUE(open->Execute());
    EXPECT_EQ(open->GetFileName().str(), dir.File("xyz.zrq"));
    ASSERT_EQ(open->GetFiles()->GetCount(), 1);
    EXPECT_EQ(AutomationLog().back().Caption, "Open Stock Quote File");
    EXPECT_EQ(AutomationLog().back().Text, "Open");

    // A name relative to the initial folder, completed with the default extension.
    open->SetInitialDir(AnsiString(dir.Path().string()));
    open->SetDefaultExt("zrq");
    AnswerNextFileDialog("xyz");
    EXPECT_TRUE(open->Execute());
    EXPECT_EQ(open->GetFileName().str(), dir.File("xyz.zrq"));

    AnswerNextFileDialog("missing.zrq");
    EXPECT_THROW(open->Execute(), EAutomationError) << "the dialog would not accept a missing file";
    EXPECT_EQ(open->GetFileName().str(), dir.File("xyz.zrq"));
}

TEST_F(Dialogs, MultipleSelectionFillsFiles) {
    TempDir dir;
    dir.Write("a.zrq", "");
    dir.Write("b.zrq", "");
    auto* open = new TOpenDialog(new TForm(Application));
    AnswerNextFileDialog(std::vector<AnsiString>{AnsiString(dir.File("a.zrq")), AnsiString(dir.File("b.zrq"))});
    EXPECT_THROW(open->Execute(), EAutomationError) << "several files need ofAllowMultiSelect";
    open->SetOptions(TOpenOptions{ofAllowMultiSelect, ofFileMustExist});
    AnswerNextFileDialog(std::vector<AnsiString>{AnsiString(dir.File("a.zrq")), AnsiString(dir.File("b.zrq"))});
    ASSERT_TRUE(open->Execute());
    ASSERT_EQ(open->GetFiles()->GetCount(), 2);
    EXPECT_EQ(open->GetFiles()->GetStrings(1).str(), dir.File("b.zrq"));
    EXPECT_EQ(open->GetFileName().str(), dir.File("a.zrq"));
}

TEST_F(Dialogs, SaveDialogAsksBeforeReplacingAnExistingFile) {
    TempDir dir;
    dir.Write("chart.bmp", "old");
    auto* save = new TSaveDialog(new TForm(Application));
    save->SetDefaultExt("bmp");
    save->SetOptions(TOpenOptions{ofOverwritePrompt});

    // No: the dialog stays open and takes the next answer.
    AnswerNextFileDialog(AnsiString(dir.File("chart")));
    AnswerNextMessageBox(IDNO);
    AnswerNextFileDialog(AnsiString(dir.File("other")));
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(save->GetFileName().str(), dir.File("other.bmp"));
    ASSERT_EQ(AutomationLog().size(), 3u);
    EXPECT_EQ(AutomationLog()[0].Text, "Save");
    EXPECT_EQ(AutomationLog()[0].Caption, "Save As");
    EXPECT_EQ(AutomationLog()[1].Kind, "MessageBox");
    EXPECT_NE(AutomationLog()[1].Text.Pos("chart.bmp already exists"), 0);

    AnswerNextFileDialog(AnsiString(dir.File("chart.bmp")));
    AnswerNextMessageBox(IDYES);
    ASSERT_TRUE(save->Execute());
    EXPECT_EQ(save->GetFileName().str(), dir.File("chart.bmp"));

    save->SetOptions(TOpenOptions());
    AnswerNextFileDialog(AnsiString(dir.File("chart.bmp")));
    EXPECT_TRUE(save->Execute()) << "without ofOverwritePrompt nothing is asked";
}

TEST_F(Dialogs, ForgottenFileDialogAnswerFails) {
    auto* open = new TOpenDialog(new TForm(Application));
    EXPECT_THROW(open->Execute(), EAutomationError);
}

TEST_F(Dialogs, ShellExecuteOpensAddressesAndExistingFilesThroughTheRecorder) {
    TempDir dir;
    dir.Write("help.pdf", "%PDF");
    EXPECT_THROW(ShellExecute(nullptr, "open", "http://127.0.0.1/", "", "", SW_SHOWNORMAL), EAutomationError)
        << "headless, nothing is launched unrecorded";

    RecordShellExecute(true);
    EXPECT_GT(ShellExecute(nullptr, "open", "http://127.0.0.1:8080/l?s=ABC", "", "", SW_SHOWNORMAL), 32);
    EXPECT_GT(ShellExecute(nullptr, "", "mailto:someone@example.invalid", "", "", SW_SHOW), 32);
    EXPECT_GT(ShellExecute(nullptr, "open", "help.pdf", "", AnsiString(dir.Path().string()), SW_SHOWNORMAL), 32);
    EXPECT_EQ(ShellExecute(nullptr, "open", "nothere.pdf", "", AnsiString(dir.Path().string()), SW_SHOWNORMAL),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ShellExecute(nullptr, "print", AnsiString(dir.File("help.pdf")), "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute(nullptr, "open", AnsiString(dir.File("help.pdf")), "-x", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);

    const auto& log = ShellExecuteLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].Target, "http://127.0.0.1:8080/l?s=ABC");
    EXPECT_EQ(log[0].ShowCmd, SW_SHOWNORMAL);
    EXPECT_EQ(log[1].Target, "mailto:someone@example.invalid");
    EXPECT_EQ(log[2].Target.str(), "file://" + dir.File("help.pdf"));
    EXPECT_EQ(log[2].File, "help.pdf");
}

TEST_F(Dialogs, HelpOpensTheHelpFileOrSaysWhyNot) {
    TempDir dir;
    dir.Write("velmora.pdf", "%PDF");
    Application->SetTitle("Velmora");
    RecordShellExecute(true);

    Application->SetHelpFile("");
    AnswerNextMessageBox(IDOK);
    EXPECT_FALSE(Application->HelpCommand(HELP_FINDER, 0));

    Application->SetHelpFile(AnsiString(dir.File("missing.hlp")));
    AnswerNextMessageBox(IDOK);
    EXPECT_FALSE(Application->HelpCommand(HELP_FINDER, 0));
    EXPECT_EQ(AutomationLog().back().Text.str(), "Cannot find the help file \"" + dir.File("missing.hlp") + "\".");
    EXPECT_EQ(AutomationLog().back().Caption, "Velmora");
    EXPECT_TRUE(ShellExecuteLog().empty());

    Application->SetHelpFile(AnsiString(dir.File("velmora.pdf")));
    EXPECT_TRUE(Application->HelpCommand(HELP_FINDER, 0));
    EXPECT_TRUE(Application->HelpCommand(HELP_CONTENTS, 0));
    EXPECT_FALSE(Application->HelpCommand(HELP_CONTEXT, 12));
    ASSERT_EQ(ShellExecuteLog().size(), 2u);
    EXPECT_EQ(ShellExecuteLog()[0].Target.str(), "file://" + dir.File("velmora.pdf"));

    // No program to show it with.
    RecordShellExecute(true, false);
    AnswerNextMessageBox(IDOK);
    EXPECT_FALSE(Application->HelpCommand(HELP_FINDER, 0));
    EXPECT_EQ(AutomationLog().back().Text.str(), "Cannot open the help file \"" + dir.File("velmora.pdf") + "\".");
    EXPECT_EQ(ShellExecuteLog().size(), 1u);
}

TEST_F(Dialogs, TheRecorderCanPlayASystemWithoutABrowser) {
    RecordShellExecute(true, false);
    EXPECT_EQ(ShellExecute(nullptr, "open", "http://127.0.0.1:8080/", "", "", SW_SHOW), SE_ERR_NOASSOC);
    EXPECT_EQ(ShellExecute(nullptr, "open", "mailto:someone@example.invalid", "", "", SW_SHOWNORMAL), SE_ERR_NOASSOC);
    ASSERT_EQ(ShellExecuteLog().size(), 2u) << "the attempts are logged all the same";
    EXPECT_EQ(ShellExecuteLog()[1].Target, "mailto:someone@example.invalid");
    RecordShellExecute(true);
    EXPECT_GT(ShellExecute(nullptr, "open", "http://127.0.0.1:8080/", "", "", SW_SHOW), 32);
}

}  // namespace
