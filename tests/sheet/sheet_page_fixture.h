#pragma once
#include <memory>
#include <string>
#include <vector>

#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "sheet/sheet_painter.h"
#include "tests/fakes/recording_canvas.h"
#include "tests/fakes/test_program.h"

// A landscape page at 23 pixels per millimetre: W' = 296 mm, H' = 209 mm.
inline constexpr int kPx = 23;
inline constexpr int kPageW = 6814;
inline constexpr int kPageH = 4820;
inline constexpr int kWmm = kPageW / kPx;
inline constexpr int kHmm = kPageH / kPx;

// A loaded sheet on a fresh program with settings and bender dialog, and a
// recording canvas to draw it on.
struct SheetPage {
    TestProgram t;
    TPreviewForm sheet{t.p()};
    RecordingCanvas canvas;

    SheetPage() {
        t.p().oppsett = std::make_unique<TOppsettForm>(t.p());
        t.p().bendForm = std::make_unique<TBendForm>(t.p());
        t.p().textfil.LogActive = true;
        sheet.pixelprmm = kPx;
        sheet.PageWidth = kPageW;
        sheet.PageHeight = kPageH;
    }
    TOppsettForm& settings() { return *t.p().oppsett; }
    void SetOption(int index, bool on = true) { settings().Option[index] = on; }
    void SetRow(int row, std::vector<std::pair<int, std::string>> cells) {
        for (auto& [col, text] : cells) sheet.bTabell.SetCell(col, row, text);
    }
    // Draws the whole page with a painter that is kept for inspection.
    SheetPainter& Draw() {
        painter = std::make_unique<SheetPainter>(t.p(), sheet, canvas);
        painter->CanvasPrint();
        return *painter;
    }
    SheetPainter& Painter() {
        if (!painter)
            painter = std::make_unique<SheetPainter>(t.p(), sheet, canvas);
        return *painter;
    }
    int CountText(const std::string& text) const {
        int n = 0;
        for (const auto& call : canvas.Texts()) n += call.text == text;
        return n;
    }
    // Index of the first call that draws this text, -1 when none.
    int IndexOfText(const std::string& text) const {
        for (std::size_t i = 0; i < canvas.calls.size(); ++i)
            if (canvas.calls[i].op == "TextOut" && canvas.calls[i].text == text)
                return static_cast<int>(i);
        return -1;
    }
    std::vector<const RecordingCanvas::Call*> TextsAt(int x, int y) const {
        std::vector<const RecordingCanvas::Call*> out;
        for (const auto& call : canvas.calls)
            if (call.op == "TextOut" && call.args[0] == x && call.args[1] == y)
                out.push_back(&call);
        return out;
    }
    bool LogHas(const std::string& part) const {
        for (const auto& line : t.program->textfil.LogList)
            if (line.find(part) != std::string::npos)
                return true;
        return false;
    }

    std::unique_ptr<SheetPainter> painter;
};

inline int Mm(int mm) {
    return mm * kPx;
}
