#include "gui/qt_canvas.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <cmath>

#include "tests/gui/qt_test_app.h"

namespace {

constexpr QRgb kGrey = 0xFF808080;

// An image to draw on, with a canvas on it.
class Surface {
  public:
    explicit Surface(int w = 400, int h = 300, QRgb background = 0xFFFFFFFF, int dpi = 96)
        : image(w, h, QImage::Format_RGB32) {
        EnsureQtApp();
        image.fill(background);
        const int dpm = static_cast<int>(dpi / 0.0254 + 0.5);
        image.setDotsPerMeterX(dpm);
        image.setDotsPerMeterY(dpm);
        painter.begin(&image);
        canvas = std::make_unique<QtCanvas>(painter);
    }
    QImage Done() {
        canvas.reset();
        painter.end();
        return image;
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<QtCanvas> canvas;
};

bool Dark(const QImage& img, int x, int y) {
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height())
        return false;
    return qGray(img.pixel(x, y)) < 100;
}

// Whether a dark pixel lies within r pixels of (x, y).
bool DarkNear(const QImage& img, int x, int y, int r = 2) {
    for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx)
            if (Dark(img, x + dx, y + dy))
                return true;
    return false;
}

struct ArcCase {
    const char* name;
    int x1, y1, x2, y2, xs, ys, xe, ye;
    std::vector<std::pair<int, int>> drawn, empty;
};

TEST(QtCanvasTest, ArcRunsCounterclockwiseOnThePageFromStartRayToEndRay) {
    const ArcCase cases[] = {
        // Circle of radius 100 about (100, 100): east to north is the upper right.
        {"east to north",
         0,
         0,
         201,
         201,
         300,
         100,
         100,
         -50,
         {{171, 29}},
         {{29, 29}, {29, 171}, {171, 171}}},
        // North to east is the other three quadrants.
        {"north to east",
         0,
         0,
         201,
         201,
         100,
         -50,
         300,
         100,
         {{29, 29}, {29, 171}, {171, 171}},
         {{171, 29}}},
        // A flat ellipse about (200, 50): the end ray at 45 degrees meets the
        // ellipse near its top, far beyond the parameter angle of 45 degrees.
        {"ellipse rays",
         0,
         0,
         401,
         101,
         500,
         50,
         250,
         0,
         {{300, 7}, {380, 30}},
         {{217, 0}, {100, 7}, {300, 93}}},
    };
    for (const auto& c : cases) {
        Surface s(420, 220);
        s.canvas->pen.width = 1;
        s.canvas->Arc(c.x1, c.y1, c.x2, c.y2, c.xs, c.ys, c.xe, c.ye);
        QImage img = s.Done();
        for (auto [x, y] : c.drawn)
            EXPECT_TRUE(DarkNear(img, x, y)) << c.name << " at " << x << "," << y;
        for (auto [x, y] : c.empty)
            EXPECT_FALSE(DarkNear(img, x, y)) << c.name << " at " << x << "," << y;
    }
}

TEST(QtCanvasTest, TextStandsOnAnOpaqueBoxOfTheBrushColourFromItsTopLeftCorner) {
    Surface s(400, 200, kGrey);
    s.canvas->brush = kWhite;
    s.canvas->font.size = 20;
    const int w = s.canvas->TextWidth("HHHH");
    const int h = s.canvas->TextHeight("HHHH");
    s.canvas->TextOut(50, 40, "HHHH");
    QImage img = s.Done();

    ASSERT_GT(w, 20);
    ASSERT_GT(h, 10);
    int dark = 0, grey = 0;
    for (int y = 40; y < 40 + h - 1; ++y)
        for (int x = 50; x < 50 + w - 1; ++x) {
            if (img.pixel(x, y) == kGrey)
                ++grey;
            if (Dark(img, x, y))
                ++dark;
        }
    EXPECT_EQ(grey, 0) << "the box is opaque";
    EXPECT_GT(dark, 50) << "the text is drawn";
    EXPECT_EQ(img.pixel(50, 40), 0xFFFFFFFFu);
    EXPECT_EQ(img.pixel(49, 39), kGrey);
    EXPECT_EQ(img.pixel(50 + w + 1, 40 + h / 2), kGrey);
    EXPECT_EQ(img.pixel(50 + w / 2, 40 + h + 1), kGrey);
}

struct RotationCase {
    int escapement;
    // Unit vector of the text's direction on the page (y down).
    double ux, uy;
};

TEST(QtCanvasTest, RotatedTextTurnsCounterclockwiseAboutItsCorner) {
    const RotationCase cases[] = {
        {0, 1, 0}, {900, 0, -1}, {266, 0.894, -0.447}, {3334, 0.894, 0.447}};
    for (const auto& c : cases) {
        Surface s(500, 500, kGrey);
        s.canvas->font.size = 16;
        s.canvas->font.escapement = c.escapement;
        const int w = s.canvas->TextWidth("HHHHHHHH");
        const int h = s.canvas->TextHeight("HHHHHHHH");
        s.canvas->TextOut(250, 250, "HHHHHHHH");
        QImage img = s.Done();
        // Along the baseline direction, a little inside the box: box colour or ink.
        const double along = w * 0.8, down = h * 0.5;
        const int bx = static_cast<int>(250 + c.ux * along - c.uy * down);
        const int by = static_cast<int>(250 + c.uy * along + c.ux * down);
        EXPECT_NE(img.pixel(bx, by), kGrey) << "escapement " << c.escapement;
        // Against the direction the page stays untouched.
        const int ox = static_cast<int>(250 - c.ux * along + c.uy * down);
        const int oy = static_cast<int>(250 - c.uy * along - c.ux * down);
        EXPECT_EQ(img.pixel(ox, oy), kGrey) << "escapement " << c.escapement;
    }
}

TEST(QtCanvasTest, PenWidthZeroIsOnePixelAndWiderPensAreWider) {
    const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {6, 6}, {12, 12}};
    for (auto [width, rows] : cases) {
        Surface s(200, 100);
        s.canvas->pen.width = width;
        s.canvas->Line(20, 50, 180, 50);
        QImage img = s.Done();
        int dark = 0;
        for (int y = 0; y < 100; ++y) dark += Dark(img, 100, y) ? 1 : 0;
        EXPECT_EQ(dark, rows) << "pen width " << width;
    }
}

TEST(QtCanvasTest, DashedPenBreaksTheLineAndSolidDoesNot) {
    for (bool dashed : {false, true}) {
        Surface s(300, 50);
        s.canvas->pen.width = 0;
        s.canvas->pen.dashed = dashed;
        s.canvas->Line(10, 25, 290, 25);
        QImage img = s.Done();
        int dark = 0, changes = 0;
        for (int x = 20; x < 280; ++x) {
            dark += Dark(img, x, 25) ? 1 : 0;
            changes += Dark(img, x, 25) != Dark(img, x + 1, 25) ? 1 : 0;
        }
        if (dashed) {
            EXPECT_GT(dark, 260 / 5);
            EXPECT_LT(dark, 260 * 9 / 10);
            EXPECT_GE(changes, 6);
        } else {
            EXPECT_EQ(dark, 260);
            EXPECT_EQ(changes, 0);
        }
    }
}

TEST(QtCanvasTest, ShapesAreFilledWithTheBrushAndRoundedCornersStayClear) {
    Surface s(300, 100, kGrey);
    s.canvas->brush = {255, 255, 0};
    s.canvas->pen.width = 1;
    s.canvas->Rectangle(10, 10, 90, 90);
    s.canvas->RoundRect(110, 10, 190, 90, 40, 40);
    s.canvas->Ellipse(210, 10, 290, 90);
    QImage img = s.Done();
    for (int cx : {50, 150, 250}) EXPECT_EQ(img.pixel(cx, 50), qRgb(255, 255, 0)) << cx;
    EXPECT_TRUE(Dark(img, 10, 10)) << "rectangle corner";
    EXPECT_TRUE(Dark(img, 89, 89)) << "the last pixel inside the box";
    EXPECT_EQ(img.pixel(90, 90), kGrey) << "right and bottom edge excluded";
    EXPECT_EQ(img.pixel(111, 11), kGrey) << "rounded corner";
    EXPECT_EQ(img.pixel(212, 12), kGrey) << "ellipse corner";
}

TEST(QtCanvasTest, BitmapCopyPaintsTheTransparentColourInTheBrushColour) {
    // 2 x 2: black, white / red, white; stretched to 40 x 40.
    Bitmap bmp{2, 2, {0x000000, 0xFFFFFF, 0xFF0000, 0xFFFFFF}};
    const std::pair<Rgb, QRgb> cases[] = {{kWhite, qRgb(255, 255, 255)},
                                          {{0, 0, 255}, qRgb(0, 0, 255)}};
    for (auto [brush, expected] : cases) {
        Surface s(100, 100, kGrey);
        s.canvas->brush = brush;
        s.canvas->CopyBitmap(10, 10, 50, 50, bmp, 0, 0, 2, 2, kWhite);
        QImage img = s.Done();
        EXPECT_EQ(img.pixel(20, 20), qRgb(0, 0, 0));
        EXPECT_EQ(img.pixel(20, 40), qRgb(255, 0, 0));
        EXPECT_EQ(img.pixel(40, 20), expected);
        EXPECT_EQ(img.pixel(40, 40), expected);
        EXPECT_EQ(img.pixel(60, 60), kGrey) << "nothing outside the box";
    }
}

TEST(QtCanvasTest, SheetFontNamesResolveToInstalledLiberationFonts) {
    EnsureQtApp();
    const std::pair<const char*, const char*> cases[] = {
        {"Arial", "Liberation Sans"},
        {"Arial Black", "Liberation Sans"},
        {"Times New Roman", "Liberation Serif"},
    };
    for (auto [name, family] : cases) {
        QFont f(QtCanvas::FamilyFor(name));
        EXPECT_EQ(QFontInfo(f).family().toStdString(), family) << name;
    }
}

TEST(QtCanvasTest, FontPointsScaleWithTheDeviceResolution) {
    int heights[2] = {0, 0};
    int dpis[2] = {150, 600};
    for (int i = 0; i < 2; ++i) {
        Surface s(10, 10, 0xFFFFFFFF, dpis[i]);
        s.canvas->font.size = 10;
        heights[i] = s.canvas->TextHeight("Hg");
        s.Done();
    }
    // 10 points is 10/72 inch: about 21 pixels of font size at 150 dpi.
    EXPECT_NEAR(heights[1], 4.0 * heights[0], heights[0] * 0.3);
    EXPECT_GT(heights[0], 18);
    EXPECT_LT(heights[0], 32);
}

}  // namespace
