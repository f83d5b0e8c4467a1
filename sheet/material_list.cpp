#include <array>
#include <charconv>
#include <string>

#include "platform/canvas.h"
#include "preview/oppsett.h"
#include "sheet/sheet_painter.h"

namespace {

constexpr Rgb kYellow{255, 255, 0};

// Left edges of the material list's columns from the list's left edge, in mm.
constexpr std::array<int, 6> kListDividers = {8, 16, 25, 34, 70, 82};
constexpr std::array<int, 4> kCoordDividers = {22, 32, 42, 52};
constexpr int kCoordLeft = 2, kCoordRight = 62;

// Row numbers beyond this lie far below any page; refusing them keeps the
// millimetre arithmetic inside 32 bits.
constexpr int kMaxCoordRow = 99999;

bool ParseWhole(const std::string& text, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return true;
}

// "n.k": position n in table row k. A text whose parts around the first "."
// are not both whole numbers has no table position.
bool ParsePosition(const std::string& text, int& n, int& k) {
    const auto dot = text.find('.');
    if (dot == std::string::npos)
        return false;
    return ParseWhole(text.substr(0, dot), n) && ParseWhole(text.substr(dot + 1), k) &&
           k <= kMaxCoordRow;
}

}  // namespace

void SheetPainter::MaterialBox(int y) {
    const int x0 = Wmm() - 100;
    RectMm(x0, y, x0 + 100, y - 5);
    for (int c0 : kListDividers) LineMm(x0 + c0, y, x0 + c0, y - 5);
}

void SheetPainter::MaterialHeading() {
    if (Option(kHideMaterials))
        return;
    const int x0 = Wmm() - 100, y0 = Hmm() - 60;
    LineWidth(1);
    MaterialBox(y0);
    ListFont();
    const int y = y0 - 4;
    TextMm(x0 + 1, y, "Pos.no");
    TextMm(x0 + 9, y, "Dim.");
    TextMm(x0 + 17, y, "Number");
    TextMm(x0 + 26, y, "Material");
    TextMm(x0 + 35, y, "Item");
    TextMm(x0 + 71, y, "Standard");
    TextMm(x0 + 83, y, "Remarks");
    st.MaterialRow = 1;
}

void SheetPainter::MaterialLine(int r) {
    if (Option(kHideMaterials) || CellAt(1, r).empty())
        return;
    const int x0 = Wmm() - 100;
    const int yr = Hmm() - 60 - 5 * st.MaterialRow;
    LineWidth(0);
    MaterialBox(yr);
    ListFont();
    const int y = yr - 4;
    TextMm(x0 + 1, y, CellAt(0, r));
    TextMm(x0 + 9, y, CellAt(19, r));
    TextMm(x0 + 17, y, "1");
    TextMm(x0 + 26, y, CellAt(22, r));
    TextMm(x0 + 35, y, CellAt(1, r));
    st.MaterialRow += 1;
}

void SheetPainter::CoordBox(int y1, int y2) {
    RectMm(kCoordLeft, y1, kCoordRight, y2);
    for (int x : kCoordDividers) LineMm(x, y1, x, y2);
}

void SheetPainter::CoordHeading() {
    if (Option(kHidePosition))
        return;
    c.brush = kYellow;
    LineWidth(3);
    CoordBox(15, 21);
    c.font.bold = true;
    c.font.italic = false;
    c.font.name = "Arial";
    TextSize(6);
    LevelTextMm(4, 16, "Pos nr.");
    LevelTextMm(26, 16, "X");
    LevelTextMm(36, 16, "Y");
    LevelTextMm(46, 16, "Z");
    TextMm(56, 16, "V");
    c.brush = kWhite;
}

void SheetPainter::CoordGroup(const std::string& text) {
    if (Option(kHidePosition))
        return;
    int n = 0, k = 0;
    if (!ParsePosition(text, n, k))
        return;
    if (k == st.CoordRow) {
        st.RangeLast = n;
        return;
    }
    CoordLabel();
    st.RangeFirst = n;
    st.CoordRow = k;

    c.pen.width = 1;
    c.brush = kWhite;
    CoordBox(5 * k + 16, 5 * k + 21);
    c.font.bold = false;
    c.font.italic = false;
    c.font.name = "Arial";
    TextSize(6);
    const int y = 5 * k + 17;
    LevelTextMm(23, y, Cell(8));
    LevelTextMm(33, y, Cell(7));
    LevelTextMm(43, y, Cell(9));
    LevelTextMm(53, y, Cell(10));
}

void SheetPainter::CoordLabel() {
    if (st.RangeFirst == 0 || Option(kHidePosition))
        return;
    c.pen.width = 1;
    c.font.bold = false;
    c.font.italic = false;
    c.font.name = "Arial";
    TextSize(6);
    std::string label = std::to_string(st.RangeFirst);
    if (st.RangeLast > 0)
        label += ".." + std::to_string(st.RangeLast);
    const int y = 5 * st.CoordRow + 17;
    LevelTextMm(4, y, label);
    LevelTextMm(18, y, std::to_string(st.CoordRow));
    st.RangeLast = 0;
}
