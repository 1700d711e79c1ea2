// Renders one small chart per registered series type, flat and in 3-D, each
// filled with sample values, into one PNG:
//     series_gallery <output.png>
// Each type takes a row pair of cells: the flat chart on the left, the 3-D
// one on its right, the type's description as the chart title.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "chart/control/Chart.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesFastLine.h"
#include "chart/seriestypes/SeriesPie.h"
#include "platform/controls/Forms.h"

namespace {

constexpr int kCellWidth = 240, kCellHeight = 190, kTypesPerRow = 3;

// The series units this program links: a static library brings a unit (and
// its registration) in only when something refers to it. Each must show up
// in the registry.
const TChartSeriesClass kLinked[] = {
    TeeSeriesClassOf<TLineSeries>(),     TeeSeriesClassOf<TPointSeries>(),  TeeSeriesClassOf<TAreaSeries>(),
    TeeSeriesClassOf<TBarSeries>(),      TeeSeriesClassOf<THorizBarSeries>(), TeeSeriesClassOf<TFastLineSeries>(),
    TeeSeriesClassOf<TPieSeries>(),      TeeSeriesClassOf<TCandleSeries>(), TeeSeriesClassOf<TVolumeSeries>(),
};

void DrawCell(TForm* Form, TCanvas* Target, const TTeeSeriesType& Type, bool View3D, int Left, int Top) {
    auto* chart = new TChart(Form);
    chart->SetParent(Form);
    chart->SetBounds(0, 0, kCellWidth, kCellHeight);
    chart->SetView3D(View3D);
    chart->SetColor(clWhite);
    chart->GetLegend()->SetVisible(false);
    chart->GetTitle()->GetText()->Add(Type.Description + (View3D ? " 3-D" : ""));
    TChartSeries* series = CreateNewSeries(Form, chart, Type.SeriesClass);
    series->FillSampleValues(12);

    TBitmap cell;
    cell.SetSize(kCellWidth, kCellHeight);
    chart->Draw(cell.GetCanvas(), TRect(0, 0, kCellWidth, kCellHeight));
    Target->Draw(Left, Top, &cell);
    delete chart;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: series_gallery <output.png>\n");
        return 2;
    }
    Application->Initialize();
    TForm* form = nullptr;
    Application->CreateForm(&form);

    const TTeeSeriesTypes& types = TeeSeriesTypes();
    for (TChartSeriesClass linked : kLinked)
        if (!types.FindSeriesClass(linked)) {
            std::fprintf(stderr, "series_gallery: %s is not registered\n", linked->Type->name());
            return 1;
        }
    // Plain series only: function entries draw a series of a type already shown.
    int count = 0;
    for (int i = 0; i < types.Count(); ++i) {
        const TTeeSeriesType* type = types.GetSeriesType(i);
        if (type->SeriesClass && !type->FunctionClass) ++count;
    }
    const int rows = (count + kTypesPerRow - 1) / kTypesPerRow;
    TBitmap picture;
    picture.SetSize(kTypesPerRow * 2 * kCellWidth, rows * kCellHeight);
    picture.GetCanvas()->GetBrush()->SetColor(clWhite);
    picture.GetCanvas()->FillRect(TRect(0, 0, picture.GetWidth(), picture.GetHeight()));
    int cell = 0;
    for (int i = 0; i < types.Count(); ++i) {
        const TTeeSeriesType* type = types.GetSeriesType(i);
        if (!type->SeriesClass || type->FunctionClass) continue;
        const int left = cell % kTypesPerRow * 2 * kCellWidth, top = cell / kTypesPerRow * kCellHeight;
        DrawCell(form, picture.GetCanvas(), *type, false, left, top);
        DrawCell(form, picture.GetCanvas(), *type, true, left + kCellWidth, top);
        ++cell;
    }

    const std::string png = argv[1], bmp = png + ".bmp";
    picture.SaveToFile(bmp.c_str());
    const std::string command = "convert '" + bmp + "' '" + png + "'";
    const int status = std::system(command.c_str());
    std::remove(bmp.c_str());
    if (status != 0) std::fprintf(stderr, "series_gallery: convert failed for %s\n", png.c_str());
    std::printf("%d series types\n", count);
    return status == 0 ? 0 : 1;
}
