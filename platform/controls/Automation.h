#pragma once
// Answers for modal things, so that tests drive whole commands headless.
//
// A test queues an answer per kind before the command runs; the next modal
// thing of that kind takes it, in queue order. Kinds used by the platform:
//   "ModalForm"  a form shown by ShowModal; the answer runs inside the modal
//                loop once the form is shown, and may click its controls or
//                set Result (taken as the ModalResult)
//   "MessageBox" Application->MessageBox (and the default exception box);
//                Result is the button (IDOK, IDYES...), Caption and Text tell
//                what was shown
//   "FileDialog" open and save dialogs (Text "Open" or "Save"); the answer
//                sets FileName (or Files) and Result IDOK, or Result IDCANCEL
// Other modal things pick kinds of their own and call RunAutomationAnswer.
//
// With no answer queued, the headless platform raises EAutomationError naming
// what was shown (a forgotten answer fails the test instead of hanging); on a
// real display the thing is shown for real input.

#include <functional>
#include <vector>

#include "platform/runtime/AnsiString.h"
#include "platform/runtime/Exceptions.h"

VELMORA_EXCEPTION(EAutomationError, Exception)

class TObject;
class TCustomForm;

struct TAutomationRequest {
    AnsiString Kind;
    AnsiString Caption;
    AnsiString Text;
    TObject* Subject = nullptr;  // the form or dialog component shown
    int Result = 0;
    AnsiString FileName;
    std::vector<AnsiString> Files;
};

using TAutomationAnswer = std::function<void(TAutomationRequest& Request)>;

void QueueAutomationAnswer(const AnsiString& Kind, TAutomationAnswer Answer);
// Runs the next answer queued for Request.Kind and logs the request. False
// when none is queued on a real display; EAutomationError when none is
// queued headless.
bool RunAutomationAnswer(TAutomationRequest& Request);
int PendingAutomationAnswers(const AnsiString& Kind);
// Every request made so far, answered or not, in order.
const std::vector<TAutomationRequest>& AutomationLog();
// Drops queued answers and the log.
void ClearAutomation();

// For message boxes of our own drawing: the "MessageBox" request they
// make, and the error for an answer that names a button the box lacks.
void DescribeMessageBox(TAutomationRequest& Request, const AnsiString& Caption, const AnsiString& Text,
                        TObject* Box);
[[noreturn]] void RaiseNotAButton(int Result, const AnsiString& Caption, const AnsiString& Text);

// Shorthands for the platform's own kinds.
void AnswerNextModalForm(std::function<void(TCustomForm* Form)> Script);
void AnswerNextMessageBox(int Button);
void AnswerNextFileDialog(const AnsiString& FileName);
void AnswerNextFileDialog(const std::vector<AnsiString>& Files);
void CancelNextFileDialog();

// ShellExecute in tests: while recording, nothing is launched and every call
// is logged (what it would have opened); the call then reports success, or,
// recorded with Opens false, that nothing could open it (SE_ERR_NOASSOC, as
// where no browser or mail program can be started).
struct TShellExecuteCall {
    AnsiString Operation;
    AnsiString File;
    AnsiString Parameters;
    AnsiString Directory;
    int ShowCmd = 0;
    AnsiString Target;  // the address or absolute path handed to the system
};
void RecordShellExecute(bool Recording, bool Opens = true);
bool RecordingShellExecute();
bool RecordedShellExecuteOpens();
const std::vector<TShellExecuteCall>& ShellExecuteLog();
void LogShellExecute(const TShellExecuteCall& Call);
