// TApplication: the message loop, the default exception handling, message
// boxes and help.
#include "platform/controls/Forms.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"
#include "platform/host/ShellApi.h"
#include "platform/runtime/FileUtils.h"

TApplication* Application = new TApplication(nullptr);

int ShowMessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags);

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() = default;

void TApplication::Initialize() { EnsureHost(); }

AnsiString TApplication::GetTitle() const {
    if (!title_.IsEmpty() || !HostStarted()) return title_;
    return AnsiString(HostApplicationName());
}

void TApplication::Run() {
    EnsureHost();
    if (mainForm_ && showMainForm_ && !mainForm_->GetVisible()) mainForm_->Show();
    while (!terminated_) HandleMessage();
}

void TApplication::ProcessMessages() {
    EnsureHost();
    ProcessHostEvents(false);
}

void TApplication::HandleMessage() {
    EnsureHost();
    ProcessHostEvents(true);
}

void TApplication::HandleException(TObject* Sender) {
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    auto handle = [&](Exception& e) {
        if (OnException) OnException(Sender, &e);
        else ShowException(&e);
    };
    try {
        std::rethrow_exception(current);
    } catch (EAbort&) {
        // silent by design
    } catch (EAutomationError&) {
        throw;  // a test's missing answer is never shown as an error of the program
    } catch (Exception& e) {
        handle(e);
    } catch (std::exception& e) {
        Exception wrapped(e.what());
        handle(wrapped);
    } catch (...) {
        Exception wrapped("An unknown error occurred");
        handle(wrapped);
    }
}

void TApplication::ShowException(Exception* E) {
    AnsiString text = E->GetMessage();
    if (!text.IsEmpty() && text[text.Length()] > '.') text += ".";
    MessageBox(text, GetTitle(), MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags) {
    EnsureHost();
    const AnsiString caption = Caption.IsEmpty() ? GetTitle() : Caption;
    if (OnMessageBox) return OnMessageBox(Text, caption, Flags);
    return ShowMessageBox(Text, caption, Flags);
}

bool TApplication::HelpCommand(int Command, int Data) {
    (void)Data;
    if (Command != HELP_FINDER && Command != HELP_CONTENTS) return false;
    if (helpFile_.IsEmpty()) {
        MessageBox("No help file has been set.", GetTitle(), MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!FileExists(helpFile_)) {
        MessageBox("Cannot find the help file \"" + helpFile_ + "\".", GetTitle(), MB_OK | MB_ICONSTOP);
        return false;
    }
    HWND window = mainForm_ ? mainForm_->GetHandle() : nullptr;
    if (ShellExecute(window, "open", helpFile_, "", "", SW_SHOWNORMAL) <= 32) {
        MessageBox("Cannot open the help file \"" + helpFile_ + "\".", GetTitle(), MB_OK | MB_ICONSTOP);
        return false;
    }
    return true;
}
