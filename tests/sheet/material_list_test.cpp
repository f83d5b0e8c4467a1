#include <gtest/gtest.h>

#include <string>

#include "tests/sheet/sheet_page_fixture.h"

namespace {

constexpr int kListX = kWmm - 100;
constexpr int kListY = kHmm - 60;

// The rectangle calls whose left edge is the material list's.
std::vector<RecordingCanvas::Call> ListBoxes(const SheetPage& page) {
    std::vector<RecordingCanvas::Call> out;
    for (const auto& call : page.canvas.Calls("Rectangle"))
        if (call.args[0] == Mm(kListX) && call.args[2] == Mm(kListX + 100))
            out.push_back(call);
    return out;
}

// The co-ordinate table's label texts (position range at x 4 and row at x 18).
std::vector<std::pair<std::string, std::string>> CoordLabels(const SheetPage& page) {
    std::vector<std::pair<std::string, std::string>> out;
    const auto texts = page.canvas.Texts();
    for (std::size_t i = 0; i + 1 < texts.size(); ++i)
        if (texts[i].args[0] == Mm(4) && texts[i + 1].args[0] == Mm(18) &&
            texts[i].args[1] != Mm(16))
            out.push_back({texts[i].text, texts[i + 1].text});
    return out;
}

// The co-ordinate rows drawn, by their top edge in mm, in drawing order.
std::vector<int> CoordRowsDrawn(const SheetPage& page) {
    std::vector<int> out;
    for (const auto& call : page.canvas.Calls("Rectangle"))
        if (call.args[0] == Mm(2) && call.args[2] == Mm(62) && call.args[1] != Mm(15))
            out.push_back(call.args[1] / kPx);
    return out;
}

}  // namespace

TEST(MaterialList, TwelvePartsGiveTwelveLinesGrowingUpwards) {
    SheetPage page;
    for (int r = 1; r <= 12; ++r)
        page.SetRow(r, {{0, std::to_string(r)}, {1, "Bend"}, {19, "60.3"}, {22, "St37"}});
    page.Draw();
    const auto boxes = ListBoxes(page);
    ASSERT_EQ(boxes.size(), 13u);  // heading and twelve lines
    EXPECT_EQ(boxes[0].args[1], Mm(kListY));
    EXPECT_EQ(boxes[0].args[3], Mm(kListY - 5));
    EXPECT_EQ(boxes[0].pen.width, 1);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(boxes[i].args[1], Mm(kListY - 5 * i));
        EXPECT_EQ(boxes[i].pen.width, 0);
    }
    EXPECT_EQ(boxes[12].args[1], Mm(kHmm - 120));
    EXPECT_EQ(boxes[12].args[3], Mm(kHmm - 125));

    // The last line's texts: five of them, 1 mm right of each column, Standard and Remarks empty.
    const int y = Mm(kHmm - 124);
    const struct {
        int dx;
        const char* text;
    } cells[] = {{1, "12"}, {9, "60.3"}, {17, "1"}, {26, "St37"}, {35, "Bend"}};
    for (const auto& c : cells) {
        const auto at = page.TextsAt(Mm(kListX + c.dx), y);
        ASSERT_EQ(at.size(), 1u) << c.text;
        EXPECT_EQ(at[0]->text, c.text);
        EXPECT_EQ(at[0]->font, (CanvasFont{"Arial", 5, false, false, kBlack, 0}));
    }
    EXPECT_TRUE(page.TextsAt(Mm(kListX + 71), y).empty());
    EXPECT_TRUE(page.TextsAt(Mm(kListX + 83), y).empty());
    EXPECT_EQ(page.CountText("1"), 12 + 1);  // Number on every line, and position 1
}

TEST(MaterialList, HeadingTexts) {
    SheetPage page;
    page.Draw();
    const struct {
        int dx;
        const char* text;
    } headings[] = {{1, "Pos.no"}, {9, "Dim."},      {17, "Number"}, {26, "Material"},
                    {35, "Item"},  {71, "Standard"}, {83, "Remarks"}};
    for (const auto& h : headings) {
        const auto* call = page.canvas.FindText(h.text);
        ASSERT_NE(call, nullptr) << h.text;
        EXPECT_EQ(call->args, (std::vector<int>{Mm(kListX + h.dx), Mm(kListY - 4)}));
    }
}

TEST(MaterialList, HiddenByOption) {
    SheetPage page;
    page.SetOption(kHideMaterials);
    page.SetRow(1, {{1, "Bend"}});
    page.Draw();
    EXPECT_TRUE(ListBoxes(page).empty());
    EXPECT_EQ(page.canvas.FindText("Pos.no"), nullptr);
    EXPECT_EQ(page.canvas.FindText("Bend"), nullptr);
}

TEST(CoordTable, GroupsConsecutivePositionsOfOneRow) {
    const struct {
        std::vector<std::string> positions;
        std::vector<int> rowsDrawn;
        std::vector<std::pair<std::string, std::string>> labels;
        std::vector<std::string> xOfRows;  // cell 8 of the row that fills each drawn row
    } cases[] = {
        {{"3.1", "4.1", "5.2"}, {1, 2}, {{"3..4", "1"}, {"5", "2"}}, {"x3", "x5"}},
        {{"6.1", "7.2", "8.1"},
         {1, 2, 1},
         {{"6", "1"}, {"7", "2"}, {"8", "1"}},
         {"x6", "x7", "x8"}},
        // Plain numbers and texts whose parts are not both whole numbers have no table place.
        {{"1", "2", "A.1", "3.", ".2", "4.x", "5.1.2", "-6.1"}, {}, {}, {}},
        {{"9.1", "B.1", "10.1"}, {1}, {{"9..10", "1"}}, {"x9"}},
    };
    for (const auto& c : cases) {
        SheetPage page;
        int r = 1;
        for (const auto& pos : c.positions) {
            const std::string n = pos.substr(0, pos.find('.'));
            page.SetRow(r++, {{0, pos}, {7, "y" + n}, {8, "x" + n}, {9, "z" + n}, {10, "v" + n}});
        }
        page.Draw();
        std::vector<int> tops;
        for (int k : c.rowsDrawn) tops.push_back(5 * k + 16);
        EXPECT_EQ(CoordRowsDrawn(page), tops) << c.positions.front();
        EXPECT_EQ(CoordLabels(page), c.labels) << c.positions.front();
        // The cells of a drawn row: X from cell 8, Y from cell 7, then Z and V.
        for (std::size_t i = 0; i < c.rowsDrawn.size(); ++i) {
            const int y = Mm(5 * c.rowsDrawn[i] + 17);
            const std::string n = c.xOfRows[i].substr(1);
            const struct {
                int x;
                std::string text;
            } cells[] = {{23, "x" + n}, {33, "y" + n}, {43, "z" + n}, {53, "v" + n}};
            for (const auto& cell : cells) {
                bool seen = false;
                for (const auto* call : page.TextsAt(Mm(cell.x), y))
                    seen |= call->text == cell.text;
                EXPECT_TRUE(seen) << cell.text << " in row " << c.rowsDrawn[i];
            }
        }
    }
}

TEST(CoordTable, HeadingOnYellowWithLevelTexts) {
    SheetPage page;
    page.Draw();
    const auto* heading = page.canvas.FindText("Pos nr.");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->args, (std::vector<int>{Mm(4), Mm(16)}));
    EXPECT_EQ(heading->brush, (Rgb{255, 255, 0}));
    EXPECT_EQ(heading->font, (CanvasFont{"Arial", 7, true, false, kBlack, 0}));
    const auto* v = page.canvas.FindText("V");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->args, (std::vector<int>{Mm(56), Mm(16)}));
    EXPECT_EQ(v->font.size, 7);
    EXPECT_EQ(v->brush, (Rgb{255, 255, 0}));
    const auto boxes = page.canvas.Calls("Rectangle");
    bool yellowBox = false;
    for (const auto& b : boxes)
        yellowBox |= b.args == std::vector<int>{Mm(2), Mm(15), Mm(62), Mm(21)} &&
                     b.brush == Rgb{255, 255, 0} && b.pen.width == 9;
    EXPECT_TRUE(yellowBox);
}

TEST(CoordTable, HiddenWithPositions) {
    SheetPage page;
    page.SetOption(kHidePosition);
    page.SetRow(1, {{0, "3.1"}});
    page.SetRow(2, {{0, "4.2"}});
    page.Draw();
    EXPECT_EQ(page.canvas.FindText("Pos nr."), nullptr);
    EXPECT_TRUE(CoordRowsDrawn(page).empty());
    EXPECT_TRUE(CoordLabels(page).empty());
}
