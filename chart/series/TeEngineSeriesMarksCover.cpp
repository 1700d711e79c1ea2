// Marks that later marks hide: walked from the last mark back, a mark whose
// every pixel the boxes of the marks after it paint over is left out, and
// the others are drawn in their order, so the picture is the one drawing
// every mark gives and a long series costs the marks that show.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"

namespace {

// Inclusive pixel bounds.
struct TPixelSpan {
    int x0, y0, x1, y1;
};

// The pixels of a rectangle of the canvas that the marks kept so far
// surely paint, a row of bits each. Pixels outside it never count as
// covered.
class TCoverMask {
public:
    explicit TCoverMask(const TRect& Area)
        : area_(Area), words_((std::max(0, Area.Right - Area.Left) + 63) / 64),
          bits_(static_cast<std::size_t>(words_) * static_cast<std::size_t>(std::max(0, Area.Bottom - Area.Top))) {}

    bool Covers(const TPixelSpan& S) const {
        if (S.x0 < area_.Left || S.y0 < area_.Top || S.x1 >= area_.Right || S.y1 >= area_.Bottom) return false;
        for (int y = S.y0; y <= S.y1; ++y)
            if (!RowCovers(y, S.x0, S.x1)) return false;
        return true;
    }

    void Add(const TPixelSpan& S) {
        const int x0 = std::max(S.x0, area_.Left), x1 = std::min(S.x1, area_.Right - 1);
        if (x0 > x1) return;
        for (int y = std::max(S.y0, area_.Top); y <= std::min(S.y1, area_.Bottom - 1); ++y)
            for (int w = Word(x0); w <= Word(x1); ++w) Row(y)[w] |= Mask(w, x0, x1);
    }

private:
    int Word(int X) const { return (X - area_.Left) / 64; }
    // The bits of word W that lie between X0 and X1.
    std::uint64_t Mask(int W, int X0, int X1) const {
        const int from = std::max(X0 - area_.Left - W * 64, 0), to = std::min(X1 - area_.Left - W * 64, 63);
        const std::uint64_t upTo = to == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (to + 1)) - 1;
        return upTo & ~((std::uint64_t{1} << from) - 1);
    }
    std::uint64_t* Row(int Y) { return &bits_[static_cast<std::size_t>(Y - area_.Top) * static_cast<std::size_t>(words_)]; }
    const std::uint64_t* Row(int Y) const {
        return &bits_[static_cast<std::size_t>(Y - area_.Top) * static_cast<std::size_t>(words_)];
    }
    bool RowCovers(int Y, int X0, int X1) const {
        const std::uint64_t* row = Row(Y);
        for (int w = Word(X0); w <= Word(X1); ++w) {
            const std::uint64_t mask = Mask(w, X0, X1);
            if ((row[w] & mask) != mask) return false;
        }
        return true;
    }

    TRect area_;
    int words_;
    std::vector<std::uint64_t> bits_;
};

// Texts whose upright glyphs keep their ink inside the line's height and
// within half a "W" of their advance (numbers), so inside the mark's box,
// which leaves that much on each side.
bool InkInsideBox(const AnsiString& Text) {
    for (char c : Text.str())
        if (c == 0 || (!(c >= '0' && c <= '9') && !std::strchr(".,-+ %E", c) && c != TeeLineSeparator)) return false;
    return true;
}

}  // namespace

bool TChartSeries::MarksMayHide() const {
    // The text handler sees every mark, in its order.
    if (OnGetMarkText) return false;
    // Only a box filled solid, framed by a plain pen, surely paints over.
    // (A clip leaves out the same pixels of every mark, so it may stay.)
    if (marks_->GetTransparent() || marks_->GetBackColor() == clNone) return false;
    if (!marks_->GetFrame()->GetVisible() || !ThinSolidPen(marks_->GetFrame())) return false;
    const TFont* font = marks_->GetFont();
    if (font->GetStyle().Contains(fsItalic) || font->GetStyle().Contains(fsUnderline) || font->GetOrientation() != 0)
        return false;
    // Pixels only: a printer or a metafile keeps what each mark draws.
    TCanvas3D* canvas = parentChart_->GetCanvas();
    if (GetDeviceCaps(canvas->GetHandle(), TECHNOLOGY) != DT_RASDISPLAY) return false;
    if (parentChart_->GetView3D() && canvas->GetSupports3DText()) return false;
    return !marks_->GetPositions()->AnyPinned();
}

void TChartSeries::DrawUncoveredMarks() {
    TCanvas3D* canvas = parentChart_->GetCanvas();
    const bool is3D = parentChart_->GetView3D();
    // Nothing is pinned: the marks drawn now place their records again,
    // and a hidden mark keeps none (it cannot be clicked where it hides).
    marks_->ClearPositions();
    TChartArrowPen* arrow = marks_->GetArrow();
    const int arrowSpread = !arrow->GetVisible() ? -1 : ThinSolidPen(arrow) ? 0 : arrow->GetWidth();
    TCoverMask cover(parentChart_->GetChartBounds());
    struct TKept {
        int index;
        AnsiString text;
        TPoint arrow, leftTop;
        int width, height;
    };
    std::vector<TKept> kept;
    std::set<std::array<int, 4>> keptLines;
    TSeriesMarkPosition position, placed;
    AnsiString text;
    UseMarksFont();
    for (int i = lastValueIndex_; i >= firstValueIndex_ && i >= 0; --i) {
        if (!MarkText(i, text)) continue;
        CentreMark(i, text, position);
        placed.Assign(&position);
        if (!PlaceMark(i, placed)) continue;
        // The box paints its one-pixel frame on its edge and fills inside.
        const TRect box = marks_->SeenBounds(canvas, is3D, placed);
        const TPixelSpan boxPixels{box.Left, box.Top, box.Right - 1, box.Bottom - 1};
        TPoint from = placed.ArrowFrom, to = placed.ArrowTo;
        if (is3D) {
            from = canvas->Calculate3DPosition(from.x, from.y, marks_->ZPosition);
            to = canvas->Calculate3DPosition(to.x, to.y, marks_->ZPosition);
        }
        const std::array<int, 4> line{from.x, from.y, to.x, to.y};
        bool hidden = InkInsideBox(text) && cover.Covers(boxPixels);
        // An arrow is hidden under the boxes, or under the same line drawn
        // later by a plain pen, which paints the same pixels over it.
        if (hidden && arrowSpread >= 0)
            hidden = (arrowSpread == 0 && keptLines.count(line)) ||
                     cover.Covers({std::min(from.x, to.x) - arrowSpread, std::min(from.y, to.y) - arrowSpread,
                                   std::max(from.x, to.x) + arrowSpread, std::max(from.y, to.y) + arrowSpread});
        if (hidden) continue;
        kept.push_back({i, text, position.ArrowFrom, position.LeftTop, position.Width, position.Height});
        cover.Add(boxPixels);
        if (arrowSpread == 0) keptLines.insert(line);
    }
    canvas->AssignVisiblePen(marks_->GetFrame());
    for (auto k = kept.rbegin(); k != kept.rend(); ++k) {
        position.ArrowFrom = position.ArrowTo = k->arrow;
        position.LeftTop = k->leftTop;
        position.Width = k->width;
        position.Height = k->height;
        DrawMark(k->index, k->text, position);
    }
}
