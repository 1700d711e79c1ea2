// Create Analysis end to end on 12,600 quotes (fifty years of trading days),
// the whole window: the command (price series, indicator, volume bars) and
// the chart's first paint of the result, for an analysis of each pane.
#include <benchmark/benchmark.h>

#include "app/dialogs/enterdays.h"
#include "app/mainwindow/quotes.h"
#include "app/mainwindow/zrmain.h"
#include "bench/GeneratedQuoteFile.h"
#include "chart/control/Chart.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinPages.h"

namespace {

enum { kClose = 3, kCandlestick = 4, kMacd = 2, kBollingerBands = 7, kNoAnalysis = 10 };

void CreateAnalysis(benchmark::State& state, int QuoteType, int AnalysisType) {
    GeneratedQuoteFile file(12600);
    auto* form = TForm::Create<TOriginalForm1>(Application);
    OriginalForm1 = form;
    fEnterDays = TForm::Create<TfEnterDays>(Application);
    form->Show();
    if (!openQuoteFile(*form, file.Path())) state.SkipWithError("the file was refused");
    form->QuoteTypeCombo->SetItemIndex(QuoteType);
    form->AnalysisTypeCombo->SetItemIndex(AnalysisType);
    form->EndDateCombo->SetItemIndex(form->EndDateCombo->GetItems()->GetCount() - 1);
    for (auto _ : state) {
        if (AnalysisType == kBollingerBands)
            AnswerNextModalForm([](TCustomForm*) {
                fEnterDays->Edit1->SetText("20");
                fEnterDays->Button1->Click();
            });
        form->BtCreateAnalysisClick(form->BtCreateAnalysis);
        form->BigChart->Repaint();
    }
    state.counters["points"] = static_cast<double>(form->Series4->Count() + form->Series5->Count());
    fEnterDays->Free();
    fEnterDays = nullptr;
    form->Free();
    OriginalForm1 = nullptr;
}

BENCHMARK_CAPTURE(CreateAnalysis, CloseWithVolume, kClose, kNoAnalysis)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CreateAnalysis, CandlesWithBollingerBands, kCandlestick, kBollingerBands)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CreateAnalysis, CloseWithMacd, kClose, kMacd)->Unit(benchmark::kMillisecond);

}  // namespace
