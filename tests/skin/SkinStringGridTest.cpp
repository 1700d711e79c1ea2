#include <memory>

#include "SkinTest.h"
#include "skin/engine/KsSkinGrids.h"

namespace {

class SkinStringGrid : public SkinTest {
protected:
    std::vector<TColor> Picture(TSeSkinStringGrid* grid) {
        grid->Repaint();
        std::vector<TColor> pixels;
        for (int y = 0; y < grid->GetHeight(); ++y)
            for (int x = 0; x < grid->GetWidth(); ++x) pixels.push_back(SurfacePixel(grid, x, y));
        return pixels;
    }
};

TEST_F(SkinStringGrid, DrawsCellsThroughTheSkinAndFallsBackToTheClassicLook) {
    TForm* form = ShownForm(320, 240);
    auto* grid = Place(new TSeSkinStringGrid(form), form, 0, 0, 300, 200);
    grid->SetCells(1, 0, "Date");
    grid->SetCells(2, 2, "12.5");
    const std::vector<TColor> classic = Picture(grid);

    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    const std::vector<TColor> skinned = Picture(grid);
    EXPECT_NE(skinned, classic);
    TSeSkinObject* cell = engine->FindObject("StringGrid.Cell");
    TSeSkinObject* selected = engine->FindObject("StringGrid.SelectedCell");
    TSeSkinObject* frame = engine->FindObject("StringGrid");
    ASSERT_TRUE(cell && selected && frame);
    TRect plain = grid->CellRect(3, 3);
    EXPECT_EQ(plain.Left, 1 + 65 * 3) << "the skinned frame is one pixel";
    EXPECT_EQ(SurfacePixel(grid, plain.Left + 30, plain.Top + 5), cell->GetLook(kssNormal).Face);
    EXPECT_EQ(SurfacePixel(grid, plain.Right, plain.Top + 5), cell->GetLook(kssNormal).Border);
    TRect sel = grid->CellRect(1, 1);
    EXPECT_EQ(SurfacePixel(grid, sel.Left + 30, sel.Top + 5), selected->GetLook(kssNormal).Face);
    EXPECT_EQ(SurfacePixel(grid, 0, 0), frame->GetLook(kssNormal).Border);

    // Handlers find the canvas prepared as the skin draws the cell.
    TColor brush = clNone;
    grid->OnDrawCell = TDrawCellEvent([&](TObject*, int c, int r, const TRect&, TGridDrawState) {
        if (c == 3 && r == 3) brush = grid->GetCanvas()->GetBrush()->GetColor();
    });
    grid->Repaint();
    EXPECT_EQ(brush, cell->GetLook(kssNormal).Face);
    grid->OnDrawCell = nullptr;

    // A font of the grid's own writes the plain cells; the headings keep the skin's.
    grid->GetFont()->SetColor(clRed);
    EXPECT_FALSE(grid->GetParentFont());
    grid->Repaint();
    auto reds = [&](const TRect& R) { return R.Width() * R.Height() - PixelsOtherThan(grid->GetCanvas(), R, clRed); };
    EXPECT_GT(reds(grid->CellRect(2, 2)), 0);
    EXPECT_EQ(reds(grid->CellRect(1, 0)), 0);
    grid->SetParentFont(true);
    EXPECT_EQ(Picture(grid), skinned);

    grid->SetSkinObject("NoSuchGrid");
    EXPECT_EQ(Picture(grid), classic);
    grid->SetSkinObject("stringgrid");
    EXPECT_EQ(Picture(grid), skinned);
    engine.reset();
    EXPECT_EQ(Picture(grid), classic);
    EXPECT_EQ(grid->CellRect(3, 3).Left, 2 + 65 * 3);
}

TEST_F(SkinStringGrid, AnEmptyGridShowsNoCellInTheSelectionsColour) {
    TForm* form = ShownForm(320, 240);
    auto* grid = Place(new TSeSkinStringGrid(form), form, 0, 0, 300, 200);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    grid->SetCells(1, 0, "Date");
    TSeSkinObject* selected = engine->FindObject("StringGrid.SelectedCell");
    ASSERT_TRUE(selected);
    const TColor selection = selected->GetLook(kssNormal).Face;
    auto selectionPixels = [&] {
        int n = 0;
        for (TColor c : Picture(grid)) n += c == selection;
        return n;
    };
    EXPECT_EQ(selectionPixels(), 0);
    grid->SetCells(2, 3, "12.5");
    EXPECT_GT(selectionPixels(), 0) << "a grid with rows shows its selected cell";
}

}  // namespace
