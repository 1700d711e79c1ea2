#pragma once
// One drawing of an axis: the step and calendar step of its labels and the
// positions of the ticks recorded while the labels are produced, read back
// by the ticks, the grid and the minor ticks. Private to chart/axis.

#include <vector>

#include "chart/axis/TeEngineAxis.h"

class TCanvas3D;

class TAxisPainter {
public:
    explicit TAxisPainter(TCustomChartAxis* AAxis);
    // Title, labels, then line, ticks and grid.
    void Paint();

private:
    // ---- Labels (TeEngineAxisDraw.cpp) ----
    TDateTimeStep CalcStepKind() const;
    void DrawLabels();
    void DrawValueLabels();
    void DrawLogarithmicLabels();
    // False when the handler gave no label, so the regular ones are drawn.
    bool DrawAskedLabels();
    void DrawPointLabels(bool Marks);
    void DrawDepthLabels();
    // A label at the value when its pixel is shown.
    void ValueCandidate(double Value);
    void DrawLabel(int P, const AnsiString& St);
    void PrepareText(TFont* AFont);

    // ---- Lines (TeEngineAxisDrawLines.cpp) ----
    void DrawLinesAndTicks();
    void DrawAxisLine();
    void DrawTicks(int Offset, int Length);
    void DrawTick(int P, int Offset, int Length);
    void DrawGrid();
    void DrawGridLine(int P);
    // Minor ticks, or minor grid lines when Grid is set.
    void DrawMinorMarks(bool Grid);
    void DrawMinorMark(int P, bool Grid);

    TCustomChartAxis* axis_;
    TCustomAxisPanel* chart_;
    TCanvas3D* canvas_;
    double step_ = 0;
    TDateTimeStep stepKind_ = dtNone;
    std::vector<int> ticks_;
};
