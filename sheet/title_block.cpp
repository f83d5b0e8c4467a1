#include <array>
#include <string>

#include "app/program.h"
#include "env/qv_reg.h"
#include "platform/canvas.h"
#include "platform/clock.h"
#include "platform/hostinfo.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "sheet/bmp_reader.h"
#include "sheet/sheet_painter.h"

namespace {

constexpr Rgb kLightGrey{192, 192, 192};

// The drawing office's standing notice beside the title block.
constexpr std::array<const char*, 4> kNoticeLines = {
    "Kontroller alle mål mot modell før kapping og bøying.",
    "Skissen er ikke i målestokk; bruk bare påførte mål.",
    "Avvik og feil meldes tegnekontoret før arbeidet fortsetter.",
    "Spørsmål om arket: kontakt tegnekontoret eller verksmester.",
};

}  // namespace

void SheetPainter::DrawTitleBlock() {
    c.brush = kWhite;
    c.pen.color = kBlack;
    c.font.name = "Arial";
    LineWidth(3);
    c.Rectangle(0, 0, W(), H());

    LineWidth(3);
    c.Polyline({{FromRight(80), H()}, {FromRight(80), FromBottom(60)}, {W(), FromBottom(60)}});
    c.Line(FromRight(60), H(), FromRight(60), FromBottom(20));
    c.Line(FromRight(80), FromBottom(20), W(), FromBottom(20));
    c.Line(FromRight(80), FromBottom(10), FromRight(60), FromBottom(10));
    c.Line(FromRight(80), FromBottom(50), W(), FromBottom(50));
    c.Line(FromRight(80), FromBottom(40), W(), FromBottom(40));

    c.font.name = "Times New Roman";
    c.font.bold = true;
    c.font.italic = false;
    TextSize(16);
    c.TextOut(FromRight(56), FromBottom(19), FirmText(&TOppsettForm::EditFirmanavn));
    TextSize(12);
    c.TextOut(FromRight(56), FromBottom(11), FirmText(&TOppsettForm::EditAdresse1));

    c.font.bold = false;
    c.font.name = "Arial";
    TextSize(6);
    c.TextOut(
        FromRight(56), FromBottom(4),
        FirmText(&TOppsettForm::EditPostNummer) + " " + FirmText(&TOppsettForm::EditPostSted));
    c.TextOut(FromRight(79), FromBottom(59), "PROSJEKT:");
    c.TextOut(FromRight(79), FromBottom(49), "System/SFI:");
    c.TextOut(FromRight(79), FromBottom(39), "RØR:");
    c.TextOut(FromRight(79), FromBottom(19), "DATE:");

    TextSize(8);
    c.TextOut(FromRight(75), FromBottom(56), sheet_.Prosjekt);
    c.TextOut(FromRight(75), FromBottom(46), sheet_.SFI);
    c.font.bold = true;
    c.TextOut(FromRight(75), FromBottom(36), sheet_.ror);
    c.font.bold = false;

    TextSize(6);
    c.TextOut(FromRight(75), FromBottom(31), "SOURCE: " + sheet_.SourceText);
    TextSize(8);
    c.TextOut(FromRight(75), FromBottom(26), "PIPING SPEC: " + sheet_.SpecText);
    TextSize(9);
    c.TextOut(FromRight(78), FromBottom(16), program_.clock.ShortDateText());
}

void SheetPainter::DrawViewWord() {
    c.font.color = kLightGrey;
    TextSize(20);
    c.font.name = "Arial Black";
    if (Option(kPrintBIGINFO))
        c.TextOut(pmm(2), pmm(2), Boying() ? "BØYING" : "DELEBYGGING");
}

void SheetPainter::DrawNotice() {
    c.pen.color = kBlack;
    c.brush = kWhite;
    c.font.bold = false;
    c.font.italic = false;
    LineWidth(2);
    RectMm(Wmm() - 141, Hmm() - 14, Wmm() - 81, Hmm() - 1);

    TextSize(5);
    c.font.name = "Arial";
    c.font.color = kBlack;
    const int lineHeight = c.TextHeight("Mg");
    int y = pmm(Hmm() - 12);
    for (const char* line : kNoticeLines) {
        c.TextOut(pmm(Wmm() - 139), y, line);
        y += lineHeight;
    }
}

void SheetPainter::DrawLogo() {
    const std::string path = JoinPath(program_.host.WorkingFolder(), "logo.bmp");
    if (!BmpFileExists(path))
        return;
    const std::optional<Bitmap> logo = ReadBmpFile(path);
    if (!logo) {
        program_.textfil.WriteLog("ADVARSEL: " + path + " er ikke en lesbar bitmap; logo utelatt");
        return;
    }
    // The box is 3 mm wider than the picture, which is stretched across it.
    c.CopyBitmap(FromRight(59), FromBottom(19), FromRight(56) + logo->width,
                 FromBottom(19) + logo->height, *logo, 0, 0, logo->width, logo->height, kWhite);
}
