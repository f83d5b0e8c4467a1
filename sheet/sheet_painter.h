#pragma once
#include <initializer_list>
#include <string>
#include <utility>

class Canvas;
class Program;
class TPreviewForm;
class TOppsettForm;

// The walking state of the spool sketch on one page.
struct SketchState {
    int CursorX = 30, CursorY = 140;
    int SpoolStartX = 30, SpoolStartY = 140;
    bool AtSpoolStart = true;
    double RunningLength = 0;
    int DirectionCode = 0;
    int CoordRow = 0, RangeFirst = 0, RangeLast = 0;
    int MaterialRow = 1;
};

// Draws one sheet page: the primitives shared by every element, the page
// composition with its spool walk, the symbols, annotations, furniture, tables
// and legends. One painter draws one page and is then thrown away.
// Co-ordinates of the page are whole millimetres from the top-left corner;
// the canvas works in device pixels.
class SheetPainter {
  public:
    SheetPainter(Program& program, const TPreviewForm& sheet, Canvas& canvas);

    // The whole page.
    void CanvasPrint();

    // --- geometry and primitives ---
    int pmm(int mm) const { return mm * pixelprmm_; }
    static int NyFontSize(int size) { return size; }
    int WholeMm(int pixels) const { return pixels / pixelprmm_; }
    int W() const { return pageWidth_; }              // exact right edge, pixels
    int H() const { return pageHeight_; }             // exact bottom edge, pixels
    int Wmm() const { return WholeMm(pageWidth_); }   // W'
    int Hmm() const { return WholeMm(pageHeight_); }  // H'
    void LineWidth(int w);
    void TextSize(int size);
    void RisingText(int x, int y, const std::string& text);   // pixels
    void FallingText(int x, int y, const std::string& text);  // pixels
    void LevelText(int x, int y, const std::string& text);    // pixels
    void ListFont();
    // Millimetre helpers.
    void LineMm(int x1, int y1, int x2, int y2);
    void TextMm(int x, int y, const std::string& text);
    void RisingTextMm(int x, int y, const std::string& text) { RisingText(pmm(x), pmm(y), text); }
    void FallingTextMm(int x, int y, const std::string& text) { FallingText(pmm(x), pmm(y), text); }
    void LevelTextMm(int x, int y, const std::string& text) { LevelText(pmm(x), pmm(y), text); }

    // --- sheet access ---
    const std::string& Cell(int col) const;  // cell (col, current row)
    const std::string& CellAt(int col, int row) const;
    bool Option(int index) const;
    bool Boying() const;
    int LengthDecimals() const;
    // Length text for places outside the sheet file: the general form when no
    // rounding is chosen (-1).
    std::string LengthText(double value) const;

    // --- spool walk ---
    void IsoStep();
    void CloseSpool();  // wrap test and new spool start after an end flange

    // --- run symbols ---
    void ThickStep();
    void BrokenRisingStep();
    void BrokenFallingStroke();
    void DashedStep();
    void ShortDashedStep();
    void Dot();
    void FlangeBar();
    void DrawPipe();
    void DrawValve();
    void DrawReducer(bool widening);
    void DrawTee(int code);
    void DrawSaddle();
    void DrawStartFlange();
    void DrawEndFlange();

    // --- bend symbols ---
    void ArrowDown(int a, int b);
    void ArrowUp(int a, int b);
    void StraightBranch();
    void BranchRight();
    void BranchLeft();
    void InOutText(const std::string& word);
    void DrawPartBend(int code);
    void DrawBendingBend(int code, const std::string& label);

    // --- spool annotations ---
    void PositionMarker(int k);
    void OversizeBox(int upper, int lower);
    void TotalDimensionLine();
    void ReferenceBalloon();

    // --- title block and furniture ---
    void DrawTitleBlock();
    void DrawViewWord();
    void DrawNotice();
    void DrawLogo();

    // --- material list and co-ordinate table ---
    void MaterialHeading();
    void MaterialLine(int row);
    void CoordHeading();
    void CoordGroup(const std::string& text);
    void CoordLabel();

    // --- legends ---
    void DrawBenderBlock();
    void DrawCompass();
    void DrawReferenceLegend();
    void DrawMetricLegend();

    static int DirectionCodeOf(const std::string& word);

    SketchState st;
    int row = 0;  // the table row being drawn
    Canvas& c;

    // Whether the sketch ran off the page (for a warning naming the sheet).
    bool RanOffPage() const { return ranOffPage_; }

  private:
    // Rising and falling texts: Arial 8, black, on white, with a turned copy of the font.
    void TurnedText(int x, int y, const std::string& text, int escapement);
    // Marks the page as overrun when the cursor has left the drawing surface.
    void NoteCursor();
    // The symbol of the current row, chosen by its part kind.
    void DrawRowSymbol();
    // Pixel positions against the exact right and bottom edges.
    int FromRight(int mm) const { return pageWidth_ - pmm(mm); }
    int FromBottom(int mm) const { return pageHeight_ - pmm(mm); }
    // Rectangle and polyline with corners in millimetres.
    void RectMm(int x1, int y1, int x2, int y2);
    void PolylineMm(std::initializer_list<std::pair<int, int>> points);
    // Text of the user settings, empty when there are none.
    std::string FirmText(std::string TOppsettForm::*field) const;
    // One material-list line of cells (heading or part) at the top edge y.
    void MaterialBox(int y);
    // The co-ordinate table's box and dividers from y1 to y2.
    void CoordBox(int y1, int y2);

    Program& program_;
    const TPreviewForm& sheet_;
    int pixelprmm_;
    int pageWidth_;
    int pageHeight_;
    bool ranOffPage_ = false;
};
