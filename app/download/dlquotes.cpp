#include "app/download/dlquotes.h"

#include "app/download/quotesdownload.h"
#include "app/mainwindow/zrmain.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinMessage.h"

TfDlQuotes* fDlQuotes = nullptr;

namespace {

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June ",
                                   "July",    "August",   "September", "October", "November", "December"};

void FillList(TSeSkinComboBox* List, int First, int Last) {
    for (int n = First; n <= Last; ++n) List->GetItems()->Add(IntToStr(n));
}

}  // namespace

TfDlQuotes::TfDlQuotes(TComponent* AOwner)
    : TFramedDialog(AOwner, "fDlQuotes", "Download Quotes", 321, 185, poMainFormCenter) {
    SeSkinForm1->SetCaption("Download Quotes");
    Label1 = PutLabel("Label1", "Symbol:", 16, 20);
    Label2 = PutLabel("Label2", "From Date:", 16, 60);
    Label3 = PutLabel("Label3", "To Date:", 16, 100);
    FromMonth = PutList("FromMonth", 88, 56, 97);
    ToMonth = PutList("ToMonth", 88, 96, 97);
    FromDay = PutList("FromDay", 192, 56, 45);
    FromYear = PutList("FromYear", 244, 56, 61);
    ToDay = PutList("ToDay", 192, 96, 45);
    ToYear = PutList("ToYear", 244, 96, 61);
    for (TSeSkinComboBox* month : {FromMonth, ToMonth})
        for (const char* name : kMonthNames) month->GetItems()->Add(name);
    for (TSeSkinComboBox* day : {FromDay, ToDay}) FillList(day, 1, 31);
    // The lists reach the year the program runs in.
    for (TSeSkinComboBox* year : {FromYear, ToYear}) FillList(year, 1970, TodayDate().Year);
    DlBtn = PutButton("DlBtn", "Download Quotes", 88, 144, TNotifyEvent(this, &TfDlQuotes::DlBtnClick));
    DlBtn->SetWidth(113);
    SymbEdit = PutEdit("SymbEdit", 88, 16, 97);
    SeSkinButton1 = PutButton("SeSkinButton1", "Cancel", 216, 144, TNotifyEvent(this, &TfDlQuotes::SeSkinButton1Click));
    SeSkinButton1->SetDefault(false);
    SeSkinButton1->SetCancel(true);
    SeSkinMessage1 = new TSeSkinMessage(this);
    SeSkinMessage1->SetName("SeSkinMessage1");
    SeSkinMessage1->GetFont()->SetName("Tahoma");
    SetActiveControl(SymbEdit);
    OnCreate = TNotifyEvent(this, &TfDlQuotes::FormCreate);
}

TSeSkinComboBox* TfDlQuotes::PutList(const char* Name, int Left, int Top, int Width) {
    TSeSkinComboBox* list = Put(new TSeSkinComboBox(this), Name, Left, Top, Width, 21);
    list->GetFont()->SetName("Tahoma");
    return list;
}

void TfDlQuotes::FormCreate(TObject*) {
    const CalendarDay today = TodayDate();
    for (TSeSkinComboBox* year : {FromYear, ToYear}) year->SetItemIndex(today.Year - 1970);
    for (TSeSkinComboBox* month : {FromMonth, ToMonth}) month->SetItemIndex(today.Month0);
    for (TSeSkinComboBox* day : {FromDay, ToDay}) day->SetItemIndex(today.Day - 1);
}

void TfDlQuotes::ShowError(const AnsiString& Text) {
    SeSkinMessage1->MessageDlg(Text, mtError, TMsgDlgButtons{mbOK}, 0);
}

void TfDlQuotes::DlBtnClick(TObject*) {
    const int fromYear = FromYear->GetItemIndex(), toYear = ToYear->GetItemIndex();
    const int fromMonth = FromMonth->GetItemIndex(), toMonth = ToMonth->GetItemIndex();
    const bool successive =
        toYear > fromYear ||
        (toYear == fromYear &&
         (toMonth > fromMonth || (toMonth == fromMonth && ToDay->GetItemIndex() >= FromDay->GetItemIndex())));
    if (SymbEdit->GetText().IsEmpty()) return ShowError("You must input a symbol name.\nPlease try again.");
    if (!successive) return ShowError("You must choose succesive dates.\nPlease try again.");

    CalendarDay from{StrToInt(FromYear->GetText()), fromMonth, FromDay->GetItemIndex() + 1};
    CalendarDay to{StrToInt(ToYear->GetText()), toMonth, ToDay->GetItemIndex() + 1};
    normalizeNextDay(from.Month0, from.Day, from.Year);
    normalizeNextDay(to.Month0, to.Day, to.Year);
    const CalendarDay today = TodayDate();
    if (today < from && today < to)
        return ShowError("The time interval you have chosen has\nnot yet occured. Please try again.");
    if (today < from) from = today;
    if (today < to) to = today;
    OriginalForm1->ToYear = static_cast<Word>(to.Year);
    OriginalForm1->ToMonth0 = static_cast<Word>(to.Month0);
    OriginalForm1->ToDay = static_cast<Word>(to.Day);
    OriginalForm1->Symbol = SymbEdit->GetText();
    OriginalForm1->HeaderPrefix =
        IntToStr(from.Month0) + "," + IntToStr(from.Day) + "," + IntToStr(from.Year) + ",";
    runTransfer(from);
    CloseWith(mrOk);
}

void TfDlQuotes::SeSkinButton1Click(TObject*) { CloseWith(mrCancel); }
