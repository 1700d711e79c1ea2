// One window with one of each custom-drawn control, classic and skinned, in
// a grid of groups. With --png FILE it saves the window's picture as a PNG
// (through ImageMagick's convert) and exits instead of running.
//
// Adding a control: write one Add<Group>(Form, Area) function that places its
// controls inside Area, and list it in Groups below.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/controls/Forms.h"
#include "platform/host/Host.h"
#include "platform/host/WindowPicture.h"
#include "skin/controls/SeButtons.h"
#include "skin/controls/SeLabel.h"
#include "skin/controls/SePanel.h"
#include "skin/controls/SeScrollBar.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinCheckBoxes.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinEngine.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinGroupBox.h"
#include "skin/engine/KsSkinLabel.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinPanel.h"
#include "skin/engine/KsSkinProgressBar.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "skin/engine/KsSkinStatusBar.h"
#include "skin/engine/KsSkinToolBars.h"

namespace {

constexpr int GroupWidth = 250, GroupHeight = 120, Gap = 12, Columns = 3;

template <class T>
T* Put(T* Control, TWinControl* Parent, const TRect& Area, int X, int Y, int Width, int Height) {
    Control->SetParent(Parent);
    Control->SetBounds(Area.Left + X, Area.Top + Y, Width, Height);
    return Control;
}

// A small two-colour glyph: a square on a transparent (bottom-left) background.
TBitmap* MakeGlyph(TBitmap* Glyph, TColor Color) {
    Glyph->SetSize(16, 16);
    TCanvas* c = Glyph->GetCanvas();
    c->GetBrush()->SetColor(clFuchsia);
    c->FillRect(Rect(0, 0, 16, 16));
    c->GetBrush()->SetColor(Color);
    c->GetPen()->SetColor(clBlack);
    c->Rectangle(3, 3, 13, 13);
    return Glyph;
}

void AddSkinnedButtons(TForm* Form, const TRect& Area) {
    auto* ok = Put(new TSeSkinButton(Form), Form, Area, 0, 0, 90, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    Put(new TSeSkinButton(Form), Form, Area, 100, 0, 90, 25)->SetCaption("Cancel");
    auto* off = Put(new TSeSkinButton(Form), Form, Area, 0, 34, 90, 25);
    off->SetCaption("Disabled");
    off->SetEnabled(false);
    auto* wide = Put(new TSeSkinButton(Form), Form, Area, 100, 34, 140, 25);
    wide->SetCaption("Create Analysis");
}

void AddSpeedButtons(TForm* Form, const TRect& Area) {
    const TColor colours[] = {clRed, clGreen, clBlue, clYellow};
    for (int i = 0; i < 4; ++i) {
        auto* b = Put(new TSeSkinSpeedButton(Form), Form, Area, i * 26, 0, 23, 22);
        TBitmap glyph;
        b->SetGlyph(MakeGlyph(&glyph, colours[i]));
        b->SetGroupIndex(1);
        b->SetDown(i == 1);
        b->SetEnabled(i != 3);
    }
    auto* captioned = Put(new TSeSkinSpeedButton(Form), Form, Area, 0, 30, 110, 24);
    captioned->SetCaption("Not flat");
    captioned->SetFlat(false);
}

void AddLabels(TForm* Form, const TRect& Area) {
    Put(new TSeSkinLabel(Form), Form, Area, 0, 0, 0, 0)->SetCaption("Start Date:");
    auto* off = Put(new TSeSkinLabel(Form), Form, Area, 120, 0, 0, 0);
    off->SetCaption("Disabled label");
    off->SetEnabled(false);
    auto* wrapped = Put(new TSeSkinLabel(Form), Form, Area, 0, 22, 230, 0);
    wrapped->SetWordWrap(true);
    wrapped->SetCaption("A word-wrapped label breaks its caption between words to fit its width.");
}

void AddPanels(TForm* Form, const TRect& Area) {
    auto* raised = Put(new TSeSkinPanel(Form), Form, Area, 0, 0, 115, 45);
    raised->SetCaption("Raised");
    auto* lowered = Put(new TSeSkinPanel(Form), Form, Area, 125, 0, 115, 45);
    lowered->SetCaption("Lowered");
    lowered->SetBevelOuter(bvLowered);
    auto* framed = Put(new TSeSkinPanel(Form), Form, Area, 0, 52, 240, 40);
    framed->SetCaption("Velmora Web Browser");
    framed->SetBevelInner(bvLowered);
    framed->SetBorderWidth(2);
}

void AddScrollBars(TForm* Form, const TRect& Area) {
    auto* across = Put(new TSeCustomScrollBar(Form), Form, Area, 0, 0, 200, 17);
    across->SetParams(30, 0, 100);
    auto* paged = Put(new TSeCustomScrollBar(Form), Form, Area, 0, 26, 200, 17);
    paged->SetParams(0, 0, 100);
    paged->SetPageSize(40);
    auto* down = new TSeCustomScrollBar(Form);
    down->SetKind(sbVertical);  // before the bounds: a new kind turns the bar round
    Put(down, Form, Area, 215, 0, 17, 95);
    down->SetParams(60, 0, 100);
}

void AddChecks(TForm* Form, const TRect& Area) {
    auto* check = Put(new TSeSkinCheckBox(Form), Form, Area, 0, 0, 110, 20);
    check->SetCaption("Checked");
    check->SetChecked(true);
    Put(new TSeSkinCheckBox(Form), Form, Area, 0, 24, 110, 20)->SetCaption("Unchecked");
    auto* off = Put(new TSeSkinCheckBox(Form), Form, Area, 0, 48, 110, 20);
    off->SetCaption("Disabled");
    off->SetEnabled(false);
    const char* periods[] = {"Daily", "Weekly", "Monthly"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = Put(new TSeSkinRadioButton(Form), Form, Area, 125, i * 24, 110, 20);
        radio->SetCaption(periods[i]);
        radio->SetChecked(i == 1);
    }
}

void AddGroupAndProgress(TForm* Form, const TRect& Area) {
    auto* group = Put(new TSeSkinGroupBox(Form), Form, Area, 0, 0, 240, 50);
    group->SetCaption("Display analysis as:");
    auto* points = new TSeSkinRadioButton(Form);
    points->SetParent(group);
    points->SetBounds(10, 20, 90, 20);
    points->SetCaption("Points");
    points->SetChecked(true);
    auto* percent = new TSeSkinRadioButton(Form);
    percent->SetParent(group);
    percent->SetBounds(110, 20, 110, 20);
    percent->SetCaption("Percentages");
    auto* bar = Put(new TSeSkinProgressBar(Form), Form, Area, 0, 62, 240, 16);
    bar->SetPosition(62);
}

void AddToolBar(TForm* Form, const TRect& Area) {
    auto* band = Put(new TSeSkinControlBar(Form), Form, Area, 0, 0, 240, 60);
    band->SetAlign(alNone);
    band->SetBounds(Area.Left, Area.Top, 240, 60);
    auto* tools = new TSeSkinToolBar(Form);
    tools->SetParent(band);
    auto* caption = new TSeSkinLabel(Form);
    caption->SetParent(tools);
    caption->SetCaption("Analysis:");
    const TColor colours[] = {clNavy, clMaroon, clTeal};
    for (TColor colour : colours) {
        auto* b = new TSeSkinSpeedButton(Form);
        b->SetParent(tools);
        b->SetBounds(0, 0, 23, 22);
        TBitmap glyph;
        b->SetGlyph(MakeGlyph(&glyph, colour));
        b->SetHint("Open Stock Quote File");
    }
    auto* status = Put(new TSeSkinStatusBar(Form), Form, Area, 0, 70, 240, 20);
    status->SetAlign(alNone);
    status->SetBounds(Area.Left, Area.Top + 70, 240, 20);
    status->SetSimpleText("Ready");
}

void AddGrid(TForm* Form, const TRect& Area) {
    auto* grid = Put(new TSeSkinStringGrid(Form), Form, Area, 0, 0, 240, 95);
    grid->SetColCount(4);
    grid->SetRowCount(30);
    grid->SetDefaultColWidth(58);
    grid->SetDefaultRowHeight(18);
    const char* headings[] = {"NRDQ", "Date", "Open", "Close"};
    for (int c = 0; c < 4; ++c) grid->SetCells(c, 0, headings[c]);
    for (int r = 1; r < 30; ++r) {
        grid->SetCells(0, r, AnsiString(r));
        grid->SetCells(1, r, AnsiString(std::to_string(31 - r) + "-Jan-24"));
        grid->SetCells(2, r, AnsiString(std::to_string(40 + r % 7) + ".25"));
        grid->SetCells(3, r, AnsiString(std::to_string(41 + r % 5) + ".10"));
    }
}

void AddPages(TForm* Form, const TRect& Area) {
    auto* pages = Put(new TSeSkinPageControl(Form), Form, Area, 0, 0, 240, 95);
    const char* captions[] = {"Vazod Erurid", "Analysis", "Diagram", "Browser"};
    TSeCustomTabSheet* second = nullptr;
    for (int i = 0; i < 4; ++i) {
        auto* sheet = new TSeCustomTabSheet(Form);
        sheet->SetPageControl(pages);
        sheet->SetCaption(captions[i]);
        if (i == 1) second = sheet;
    }
    pages->SetActivePage(second);
    auto* inside = new TSeSkinLabel(Form);
    inside->SetParent(second);
    inside->SetBounds(10, 10, 0, 0);
    inside->SetCaption("Choose Analysis:");
}

void AddMenuBar(TForm* Form, const TRect& Area) {
    auto* bar = Put(new TSeSkinMenuBar(Form), Form, Area, 0, 0, 240, 22);
    bar->SetAlign(alNone);
    bar->SetBounds(Area.Left, Area.Top, 240, 22);
    const char* menus[] = {"&File", "&Vazod Erurid", "&Analysis", "&Help"};
    for (const char* caption : menus) {
        auto* item = new TSeSkinItem(Form);
        item->SetCaption(caption);
        bar->GetItems()->Add(item);
    }
}

void AddEditAndCombo(TForm* Form, const TRect& Area) {
    Put(new TSeSkinLabel(Form), Form, Area, 0, 3, 0, 0)->SetCaption("Symbol:");
    Put(new TSeSkinEdit(Form), Form, Area, 70, 0, 170, 21)->SetText("NRDQ");
    Put(new TSeSkinLabel(Form), Form, Area, 0, 33, 0, 0)->SetCaption("Quote Type:");
    auto* combo = Put(new TSeSkinComboBox(Form), Form, Area, 70, 30, 170, 21);
    for (const char* item : {"Open", "High", "Low", "Close", "Candlestick"}) combo->GetItems()->Add(item);
    combo->SetItemIndex(3);
    auto* off = Put(new TSeSkinEdit(Form), Form, Area, 70, 60, 170, 21);
    off->SetText("Disabled");
    off->SetEnabled(false);
}

void AddListBox(TForm* Form, const TRect& Area) {
    auto* list = Put(new TSeSkinListBox(Form), Form, Area, 0, 0, 240, 92);
    for (const char* file : {"/data/quotes/NRDQ.zrq", "/data/quotes/TRVX.zrq", "/data/quotes/KLMN.zrq",
                             "/data/quotes/ABCD.zrq", "/data/quotes/EFGH.zrq", "/data/quotes/IJKL.zrq"})
        list->GetItems()->Add(file);
    list->SetItemIndex(1);
}

struct Group {
    const char* Title;
    void (*Add)(TForm* Form, const TRect& Area);
};

const Group Groups[] = {
    {"Skinned push buttons", AddSkinnedButtons},
    {"Speed buttons", AddSpeedButtons},
    {"Labels", AddLabels},
    {"Panels", AddPanels},
    {"Scroll bars", AddScrollBars},
    {"Check boxes and radio buttons", AddChecks},
    {"Group box and progress bar", AddGroupAndProgress},
    {"Control bar, tool bar, status bar", AddToolBar},
    {"String grid", AddGrid},
    {"Page control", AddPages},
    {"Menu bar", AddMenuBar},
    {"Edit and combo box", AddEditAndCombo},
    {"List box", AddListBox},
};

TForm* BuildGallery() {
    TForm* form = nullptr;
    Application->CreateForm(&form);
    form->SetCaption("Skin Gallery");
    form->GetFont()->SetName("Tahoma");
    form->GetFont()->SetSize(8);
    auto* frame = new TSeSkinForm(form);  // the engine made before draws it
    frame->SetBorderIcons(TSeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollUp});
    const TRect insets = form->GetFrameInsets();
    const int count = static_cast<int>(std::size(Groups));
    const int rows = (count + Columns - 1) / Columns;
    for (int i = 0; i < count; ++i) {
        const int left = insets.Left + Gap + (i % Columns) * (GroupWidth + Gap);
        const int top = insets.Top + Gap + (i / Columns) * (GroupHeight + Gap);
        auto* title = new TSeCustomLabel(form);
        title->SetParent(form);
        title->SetLeft(left);
        title->SetTop(top);
        title->GetFont()->SetStyle(TFontStyles{fsBold});
        title->SetCaption(Groups[i].Title);
        Groups[i].Add(form, Rect(left, top + 20, left + GroupWidth, top + GroupHeight));
    }
    form->SetBounds(60, 60, insets.Left + insets.Right + Gap + Columns * (GroupWidth + Gap),
                    insets.Top + insets.Bottom + Gap + rows * (GroupHeight + Gap));
    return form;
}

int SavePng(TForm* Form, const std::string& File) {
    TBitmap picture;
    GrabWindowPicture(Form, &picture);
    const std::string bmp = File + ".bmp";
    picture.SaveToFile(bmp.c_str());
    const std::string command = "convert '" + bmp + "' '" + File + "'";
    const int status = std::system(command.c_str());
    std::remove(bmp.c_str());
    if (status != 0) std::fprintf(stderr, "skin_gallery: convert failed for %s\n", File.c_str());
    return status == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string png;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--png") == 0) png = argv[i + 1];
    StartHost(argc, argv);
    Application->Initialize();
    Application->SetTitle("Skin Gallery");
    auto* engine = new TSeSkinEngine(Application);
    (void)engine;
    TForm* form = BuildGallery();
    if (png.empty()) {
        Application->Run();
        return 0;
    }
    form->Show();
    const int status = SavePng(form, png);
    delete form;
    return status;
}
