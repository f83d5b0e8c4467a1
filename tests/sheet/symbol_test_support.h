#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "preview/oppsett.h"
#include "preview/preview.h"
#include "sheet/sheet_painter.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fakes/test_program.h"

// One sketch on an A4 landscape page at 23 pixels per millimetre, with row 1
// of the sheet table as the row being drawn and the cursor at the start of the
// page's first spool. Recorded calls are read back in millimetres.
class SketchBench {
  public:
    static constexpr int kPx = 23;

    explicit SketchBench(bool boying = false) : sheet(t.p()) {
        sheet.pixelprmm = kPx;
        sheet.PageWidth = 297 * kPx;
        sheet.PageHeight = 210 * kPx;
        sheet.Boying = boying;
        t.p().oppsett = std::make_unique<TOppsettForm>(t.p());
        painter = std::make_unique<SheetPainter>(t.p(), sheet, canvas);
        painter->row = 1;
    }

    SheetPainter& P() { return *painter; }
    SketchState& St() { return painter->st; }
    void SetCell(int col, const std::string& text) { sheet.bTabell.SetCell(col, 1, text); }
    void SetOption(int index, bool on) { t.p().oppsett->Option[index] = on; }
    void MoveTo(int x, int y) {
        St().CursorX = x;
        St().CursorY = y;
    }

    // A straight line of the drawing in millimetres, with the pen it was drawn with.
    struct Line {
        int x1, y1, x2, y2;
        int width;
        bool dashed;
    };
    std::vector<Line> Lines() const {
        std::vector<Line> out;
        for (const auto& call : canvas.Calls("Polyline")) {
            if (call.args.size() != 4)
                continue;
            bool whole = true;
            for (int v : call.args) whole = whole && v % kPx == 0;
            if (!whole)
                continue;
            out.push_back({call.args[0] / kPx, call.args[1] / kPx, call.args[2] / kPx,
                           call.args[3] / kPx, call.pen.width, call.pen.dashed});
        }
        return out;
    }
    std::optional<Line> FindLine(int x1, int y1, int x2, int y2) const {
        for (const auto& l : Lines())
            if (l.x1 == x1 && l.y1 == y1 && l.x2 == x2 && l.y2 == y2)
                return l;
        return std::nullopt;
    }
    // The recorded arguments of a call converted to millimetres.
    static std::vector<int> Mm(const RecordingCanvas::Call& call) {
        std::vector<int> out;
        for (int v : call.args) out.push_back(v / kPx);
        return out;
    }
    // A text's position in millimetres; {-1, -1} when the text was not drawn.
    std::vector<int> TextAt(const std::string& text) const {
        const auto* call = canvas.FindText(text);
        if (!call)
            return {-1, -1};
        return {call->args[0] / kPx, call->args[1] / kPx};
    }

    TestProgram t;
    TPreviewForm sheet;
    RecordingCanvas canvas;
    std::unique_ptr<SheetPainter> painter;
};
