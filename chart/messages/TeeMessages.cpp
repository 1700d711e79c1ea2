#include "chart/messages/TeeMessages.h"

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeProCo.h"

namespace {

void RegisterTexts(std::span<const TTeeMessageText> Texts) {
    for (const TTeeMessageText& t : Texts) SetResourceString(t.Message.Id, t.Text);
}

// Once per process, before main or before the first lookup, whichever comes
// first: a text replaced after start-up is never overwritten by a late
// registration.
void EnsureRegistered() {
    static const bool registered = (RegisterChartMessages(), true);
    (void)registered;
}

[[maybe_unused]] const bool registeredAtStartup = (EnsureRegistered(), true);

}  // namespace

void RegisterChartMessages() {
    RegisterTexts(TeeconstTexts());
    RegisterTexts(TeeprocoTexts());
}

AnsiString TeeMsgText(TTeeMessage Message) {
    EnsureRegistered();
    return LoadStr(Message.Id);
}
