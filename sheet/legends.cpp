#include <string>

#include "app/program.h"
#include "pcf/tessapi.h"
#include "pcf/text_helpers.h"
#include "platform/canvas.h"
#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "sheet/sheet_painter.h"

void SheetPainter::DrawBenderBlock() {
    const int x0 = Wmm() - 141, y0 = Hmm() - 34;
    c.font.bold = true;
    c.font.italic = false;
    TextSize(10);
    c.font.color = kBlack;
    const int h = c.TextHeight("Mj");
    c.Rectangle(pmm(x0), pmm(y0), pmm(x0 + 60), pmm(y0 + 2) + 4 * h);
    const std::string bender = program_.bendForm ? program_.bendForm->BenderListText() : "";
    TextMm(x0 + 1, y0 + 1, "BENDER: " + bender);

    c.font.bold = false;
    const PipeSizeTables& sizes = program_.sizes;
    const int i = sizes.PipeSizeIndex;
    const bool known = i >= 0 && i < PipeSizeTables::kSizes;
    const double grip = known ? sizes.BenderGrip[i] : 0;
    const double radius = known ? sizes.BenderRadius[i] : 0;
    const double stretch = known ? sizes.BenderStretch[i] : 0;
    const int x = pmm(x0 + 1), y = pmm(y0 + 1);
    c.TextOut(x, y + h, "Grip: " + NumToText(100, 1, grip));
    c.TextOut(x, y + 2 * h, "Radius: " + NumToText(100, 1, radius));
    c.TextOut(x, y + 3 * h, "Stretch: " + NumToText(100, 1, stretch));
}

void SheetPainter::DrawCompass() {
    if (!Option(kShowCompass))
        return;
    const int x0 = Wmm() - 141, y0 = Hmm() - 60;
    const int a = x0 + 8, b = x0 + 26, cx = x0 + 17, d = y0 + 8, e = y0 + 16;
    LineWidth(2);
    c.font.bold = true;
    c.font.italic = false;
    TextSize(8);
    c.font.color = kBlack;
    RectMm(x0, y0, x0 + 60, y0 + 24);

    // Port to starboard, aft to forward, up and down: each a shaft between
    // two closed arrowheads.
    PolylineMm({{a + 2, d + 1},
                {a + 3, d},
                {a, d},
                {a + 1, d + 2},
                {a + 2, d + 1},
                {b - 2, e - 1},
                {b - 3, e},
                {b, e},
                {b - 1, e - 2},
                {b - 2, e - 1}});
    PolylineMm({{a + 2, e - 1},
                {a + 3, e},
                {a, e},
                {a + 1, e - 2},
                {a + 2, e - 1},
                {b - 2, d + 1},
                {b - 3, d},
                {b, d},
                {b - 1, d + 2},
                {b - 2, d + 1}});
    PolylineMm({{cx, d},
                {cx - 1, d},
                {cx, d - 3},
                {cx + 1, d},
                {cx, d},
                {cx, e},
                {cx - 1, e},
                {cx, e + 3},
                {cx + 1, e},
                {cx, e}});

    RisingText(pmm(b + 1), pmm(d + 1) - c.TextHeight("F"), "FORW");
    c.font.bold = false;
    c.font.italic = false;
    RisingText(pmm(a - 1) - c.TextWidth("AFT"), pmm(e), "AFT");
    FallingText(pmm(a - 1) - c.TextWidth("PS"), pmm(d) - c.TextHeight("PS"), "PS");
    FallingText(pmm(b + 1), pmm(e - 1), "SB");
    c.font.bold = false;
    c.font.italic = false;
    TextSize(8);
    c.TextOut(pmm(cx - 2), pmm(d - 4) - c.TextHeight("F"), "UP");
    c.TextOut(pmm(cx - 4), pmm(e + 4), "DOWN");
    c.brush = kWhite;
}

void SheetPainter::DrawReferenceLegend() {
    const int x0 = Wmm() - 101, y0 = Hmm() - 34;
    const int a = x0 + 1, b = x0 + 19, cx = x0 + 10, d = y0 + 5, e = y0 + 13;
    LineWidth(4);
    c.font.bold = true;
    c.font.italic = false;
    TextSize(8);
    c.font.color = kBlack;
    c.RoundRect(pmm(x0), pmm(y0), pmm(x0 + 20), pmm(y0 + 19), pmm(2), pmm(2));

    LineWidth(2);
    LineMm(a + 2, d + 1, b - 2, e - 1);
    LineMm(a + 2, e - 1, b - 2, d + 1);
    LineMm(cx, d, cx, e);

    c.font.bold = true;
    c.font.italic = false;
    TextSize(7);
    c.TextOut(pmm(cx - 1), pmm(d - 1) - c.TextHeight("F"), "0°");
    TextMm(b - 2, d - 1, "X");
    TextSize(6);
    TextMm(cx - 7, e + 1, "REFERANSE");
    c.brush = kWhite;
}

void SheetPainter::DrawMetricLegend() {
    c.brush = kWhite;
    LineWidth(1);

    if (!Option(kHideVimoMetric)) {
        TextSize(8);
        TextMm(90, 5, "VIMO-METRIC");
        TextSize(6);
        TextMm(98, 10, "IN");
        PolylineMm({{93, 22}, {93, 13}, {105, 13}, {105, 19}});
        c.Ellipse(pmm(102), pmm(24), pmm(108), pmm(30));
        PolylineMm({{102, 27}, {102, 19}, {108, 19}, {108, 27}});
        PolylineMm({{105, 24}, {104, 21}, {106, 21}, {105, 24}});
        c.pen.dashed = true;
        LineMm(105, 19, 105, 30);
        LineMm(102, 27, 108, 27);
        c.pen.dashed = false;
        // A quarter bend about (93, 21), from the ray through (85, 21) to (93, 29).
        auto quarter = [this](int x1, int y1, int x2, int y2) {
            c.Arc(pmm(x1), pmm(y1), pmm(x2), pmm(y2), pmm(85), pmm(21), pmm(93), pmm(29));
        };
        quarter(85, 13, 101, 29);
        quarter(89, 17, 97, 25);
        c.pen.dashed = true;
        quarter(87, 15, 99, 27);
        c.pen.dashed = false;
        LineMm(93, 25, 93, 29);
        LineMm(85, 21, 89, 21);
        PolylineMm({{93, 25}, {92, 22}, {94, 22}, {93, 25}});
    }

    if (!Option(kHideFlangeInfo)) {
        const std::string setback = LengthText(sheet_.FlensFremtrekk);
        TextSize(9);
        TextMm(80, 35, "ALLE FLENSER HAR");
        c.TextOut(pmm(80), pmm(35) + c.TextHeight("M"), setback + "mm FREMTREKK");
        if (sheet_.sveisegap > 0)
            TextMm(80, 65, "SVEISEGAP " + LengthText(sheet_.sveisegap) + "mm");
        RectMm(90, 50, 100, 60);
        LineMm(90, 55, 100, 55);
        TextSize(6);
        TextMm(102, 51, "OVERMÅL");
        TextMm(102, 56, "FREMTREKK");
        TextMm(94, 51, "0");
        TextMm(93, 56, setback);
    }
}
