#include "platform/controls/Automation.h"

#include <deque>
#include <map>

#include "platform/controls/Forms.h"
#include "platform/host/HostCall.h"

namespace {

std::map<std::string, std::deque<TAutomationAnswer>>& Answers() {
    static std::map<std::string, std::deque<TAutomationAnswer>> answers;
    return answers;
}

std::vector<TAutomationRequest>& Log() {
    static std::vector<TAutomationRequest> log;
    return log;
}

AnsiString Describe(const TAutomationRequest& r) {
    AnsiString s = "No answer was queued for the " + r.Kind + " \"" + r.Caption + "\"";
    if (!r.Text.IsEmpty()) s += ": \"" + r.Text + "\"";
    return s;
}

struct ShellRecorder {
    bool recording = false;
    bool opens = true;
    std::vector<TShellExecuteCall> log;
};
ShellRecorder& Shell() {
    static ShellRecorder recorder;
    return recorder;
}

}  // namespace

void QueueAutomationAnswer(const AnsiString& Kind, TAutomationAnswer Answer) {
    Answers()[Kind.str()].push_back(std::move(Answer));
}

bool RunAutomationAnswer(TAutomationRequest& Request) {
    auto& queue = Answers()[Request.Kind.str()];
    if (queue.empty()) {
        Log().push_back(Request);
        if (HeadlessHost()) throw EAutomationError(Describe(Request));
        return false;
    }
    TAutomationAnswer answer = std::move(queue.front());
    queue.pop_front();
    struct LogOnExit {
        TAutomationRequest& r;
        ~LogOnExit() { Log().push_back(r); }
    } logOnExit{Request};
    answer(Request);
    return true;
}

int PendingAutomationAnswers(const AnsiString& Kind) {
    auto it = Answers().find(Kind.str());
    return it == Answers().end() ? 0 : static_cast<int>(it->second.size());
}

const std::vector<TAutomationRequest>& AutomationLog() { return Log(); }

void ClearAutomation() {
    Answers().clear();
    Log().clear();
}

void AnswerNextModalForm(std::function<void(TCustomForm* Form)> Script) {
    QueueAutomationAnswer("ModalForm", [script = std::move(Script)](TAutomationRequest& r) {
        script(dynamic_cast<TCustomForm*>(r.Subject));
    });
}

void DescribeMessageBox(TAutomationRequest& Request, const AnsiString& Caption, const AnsiString& Text,
                        TObject* Box) {
    Request.Kind = "MessageBox";
    Request.Caption = Caption;
    Request.Text = Text;
    Request.Subject = Box;
}

void RaiseNotAButton(int Result, const AnsiString& Caption, const AnsiString& Text) {
    throw EAutomationError("The answer " + AnsiString(Result) + " is not a button of the message box \"" + Caption +
                           "\": \"" + Text + "\"");
}

void AnswerNextMessageBox(int Button) {
    QueueAutomationAnswer("MessageBox", [Button](TAutomationRequest& r) { r.Result = Button; });
}

void AnswerNextFileDialog(const AnsiString& FileName) {
    AnswerNextFileDialog(std::vector<AnsiString>{FileName});
}

void AnswerNextFileDialog(const std::vector<AnsiString>& Files) {
    TAutomationAnswer answer = [Files](TAutomationRequest& r) {
        r.Files = Files;
        r.FileName = Files.empty() ? AnsiString() : Files.front();
        r.Result = IDOK;
    };
    // One queue per dialog kind; an answer fits whichever comes next.
    QueueAutomationAnswer("FileDialog", answer);
}

void CancelNextFileDialog() {
    QueueAutomationAnswer("FileDialog", [](TAutomationRequest& r) { r.Result = IDCANCEL; });
}

void RecordShellExecute(bool Recording, bool Opens) {
    Shell().recording = Recording;
    Shell().opens = Opens;
    Shell().log.clear();
}
bool RecordingShellExecute() { return Shell().recording; }
bool RecordedShellExecuteOpens() { return Shell().opens; }
const std::vector<TShellExecuteCall>& ShellExecuteLog() { return Shell().log; }
void LogShellExecute(const TShellExecuteCall& Call) { Shell().log.push_back(Call); }
