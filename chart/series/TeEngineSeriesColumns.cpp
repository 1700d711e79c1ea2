// The column road: a series with more visible points than pixel columns
// draws, per column, only the points whose pixels would still show once
// every point was drawn, so a paint costs the columns, not the history.
#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"

namespace {

// The 16-bit screen range a drawn point's pixel must lie in.
bool OnScreen(int Pixel) { return Pixel > -32767 && Pixel < 32767; }

bool Contains(const TChartSeries::TRowSpan& Outer, const TChartSeries::TRowSpan& Inner) {
    return Inner.Empty() || (!Outer.Empty() && Outer.Top <= Inner.Top && Inner.Bottom <= Outer.Bottom);
}

bool Touch(const TChartSeries::TRowSpan& A, const TChartSeries::TRowSpan& B) {
    return !A.Empty() && !B.Empty() && A.Top <= B.Bottom + 1 && B.Top <= A.Bottom + 1;
}

TChartSeries::TRowSpan Hull(const TChartSeries::TRowSpan& A, const TChartSeries::TRowSpan& B) {
    return {std::min(A.Top, B.Top), std::max(A.Bottom, B.Bottom)};
}

// Adds Span to Covered, which stays one run of rows that later points
// surely paint: a span apart from it replaces it only when longer.
void Cover(TChartSeries::TRowSpan& Covered, const TChartSeries::TRowSpan& Span) {
    if (Span.Empty()) return;
    if (Covered.Empty() || Touch(Covered, Span))
        Covered = Covered.Empty() ? Span : Hull(Covered, Span);
    else if (Span.Bottom - Span.Top > Covered.Bottom - Covered.Top)
        Covered = Span;
}

// The lowest and highest of Count values, the first of each, and whether
// any is NaN; the lanes of the first pass find the bounds, a second pass
// over the few cached values finds where they first are.
struct TExtremes {
    int lowest = 0, highest = 0;
    bool nan = false;
};

TExtremes FindExtremes(const double* Values, int Count) {
    TExtremes found;
    double low = Values[0], high = Values[0];
    int i = 0;
#if defined(__SSE2__)
    if (Count >= 8) {
        __m128d low2[2] = {_mm_set1_pd(low), _mm_set1_pd(low)}, high2[2] = {low2[0], low2[0]};
        __m128d unordered = _mm_setzero_pd();
        for (; i + 4 <= Count; i += 4)
            for (int lane = 0; lane < 2; ++lane) {
                const __m128d v = _mm_loadu_pd(Values + i + 2 * lane);
                low2[lane] = _mm_min_pd(low2[lane], v);
                high2[lane] = _mm_max_pd(high2[lane], v);
                unordered = _mm_or_pd(unordered, _mm_cmpunord_pd(v, v));
            }
        if (_mm_movemask_pd(unordered)) {
            found.nan = true;
            return found;
        }
        double lows[4], highs[4];
        _mm_storeu_pd(lows, low2[0]);
        _mm_storeu_pd(lows + 2, low2[1]);
        _mm_storeu_pd(highs, high2[0]);
        _mm_storeu_pd(highs + 2, high2[1]);
        for (int lane = 0; lane < 4; ++lane) low = std::min(low, lows[lane]), high = std::max(high, highs[lane]);
    }
#endif
    for (; i < Count; ++i) {
        const double v = Values[i];
        if (std::isnan(v)) {
            found.nan = true;
            return found;
        }
        low = std::min(low, v);
        high = std::max(high, v);
    }
    found.lowest = static_cast<int>(std::find(Values, Values + Count, low) - Values);
    found.highest = static_cast<int>(std::find(Values, Values + Count, high) - Values);
    return found;
}

}  // namespace

bool TChartSeries::ThinSolidPen(const TChartPen* Pen) {
    return !Pen->GetVisible() ||
           (Pen->GetWidth() <= 1 && Pen->GetStyle() == psSolid && Pen->GetMode() == pmCopy && !Pen->GetSmallDots());
}

int TChartSeries::ColumnOf(int ValueIndex) const { return YMandatory() ? CalcXPos(ValueIndex) : CalcYPos(ValueIndex); }

bool TChartSeries::ColumnsShared() const {
    if (firstValueIndex_ < 0 || lastValueIndex_ <= firstValueIndex_ || !DrawValuesForward()) return false;
    // Pixels follow the positions only when these ascend.
    const TChartValueList* positions = YMandatory() ? xValues_ : yValues_;
    if (positions->GetOrder() != loAscending || positions->GetMultiplier() < 0) return false;
    if (ColumnRoad() == crNone) return false;
    const int span = std::abs(ColumnOf(lastValueIndex_) - ColumnOf(firstValueIndex_)) + 1;
    return VisibleCount() > span;
}

// The last index from From on whose column is Column: the step doubles
// while it stays, then halves back, so a column of n points costs log n.
int TChartSeries::ColumnEnd(int From, int Column) const {
    int same = From, step = 1, other = lastValueIndex_ + 1;
    while (same + step <= lastValueIndex_) {
        if (ColumnOf(same + step) != Column) {
            other = same + step;
            break;
        }
        same += step;
        step *= 2;
    }
    while (other - same > 1) {
        const int mid = same + (other - same) / 2;
        (ColumnOf(mid) == Column ? same : other) = mid;
    }
    return same;
}

void TChartSeries::DrawColumns() {
    const bool path = ColumnRoad() == crPath;
    for (int i = firstValueIndex_; i <= lastValueIndex_;) {
        const int column = ColumnOf(i);
        const int end = ColumnEnd(i, column);
        if (end == i)
            DrawValue(i);
        else if (path)
            DrawPathColumn(i, end);
        else
            DrawCoverColumn(i, end);
        i = end + 1;
    }
}

bool TChartSeries::SameColorRun(int First, int Last) const {
    if (!colorEachPoint_ && !colors_.AnyIn(First, Last)) return seriesColor_ != clNone;
    const TColor color = GetValueColor(First);
    if (color == clNone) return false;
    for (int i = First + 1; i <= Last; ++i)
        if (GetValueColor(i) != color) return false;
    return true;
}

// A line's points in one column draw one upright stroke from its lowest to
// its highest point, reached from the entry and left at the exit: those
// four drawn in their order leave the same pixels. A colour change, a null
// or a value the screen cannot hold in the column draws every point.
void TChartSeries::DrawPathColumn(int First, int Last) {
    const TChartValueList* values = MandatoryValueList();
    const TCustomChartAxis* axis = YMandatory() ? verticalAxis_ : horizontalAxis_;
    int lowest = First, highest = First;
    double low = values->GetValue(First), high = low;
    bool numbers = !std::isnan(low);
    if (const double* plain = values->PlainValues()) {
        const TExtremes found = FindExtremes(plain + First, Last - First + 1);
        numbers = !found.nan;
        lowest = First + found.lowest, highest = First + found.highest;
        low = plain[lowest];
    } else
        for (int i = First + 1; i <= Last && numbers; ++i) {
            const double v = values->GetValue(i);
            numbers = !std::isnan(v);
            if (v < low) low = v, lowest = i;
            if (v > high) high = v, highest = i;
        }
    auto pixel = [this](int i) { return YMandatory() ? CalcYPos(i) : CalcXPos(i); };
    const bool reducible = numbers && !(axis && axis->GetLogarithmic() && low <= 0) && OnScreen(ColumnOf(First)) &&
                           OnScreen(pixel(lowest)) && OnScreen(pixel(highest)) && SameColorRun(First, Last);
    if (!reducible) {
        for (int i = First; i <= Last; ++i) DrawValue(i);
        return;
    }
    const int inner[2] = {std::min(lowest, highest), std::max(lowest, highest)};
    DrawValue(First);
    for (int i = 0; i < 2; ++i)
        if (inner[i] != First && inner[i] != Last && (i == 0 || inner[1] != inner[0])) DrawValue(inner[i]);
    DrawValue(Last);
}

// From the column's last point back, a point whose pixels the points after
// it paint over is left out; the others are drawn in their order.
void TChartSeries::DrawCoverColumn(int First, int Last) {
    columnKept_.clear();
    TRowSpan body, stem;
    for (int i = Last; i >= First; --i) {
        TColumnPaint paint;
        if (!ColumnPaint(i, paint)) {
            columnKept_.push_back(i);
            continue;
        }
        const bool stemCovered = Contains(body, paint.Stem) || Contains(stem, paint.Stem) ||
                                 (Touch(body, stem) && Contains(Hull(body, stem), paint.Stem));
        if (!(Contains(body, paint.Body) && Contains(body, paint.Part) && stemCovered)) columnKept_.push_back(i);
        Cover(body, paint.Body);
        Cover(stem, paint.Stem);
    }
    for (auto i = columnKept_.rbegin(); i != columnKept_.rend(); ++i) DrawValue(*i);
}
