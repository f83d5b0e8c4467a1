#include "app/program.h"
#include "env/cp1252.h"
#include "pcf/ppv_reader.h"
#include "pcf/text_helpers.h"
#include "platform/dialogs.h"
#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"

namespace {

constexpr int kWrongVersion = 99001;
constexpr std::size_t kBenderNameLength = 63;

}  // namespace

void TPreviewForm::HentVisning() {
    auto& textfil = program_.textfil;
    if (program_.oppsett)
        program_.oppsett->LoadDefault();

    PpvReader reader(program_);
    if (!reader.Open(SheetFileName))
        return;
    if (!reader.ReadVersion()) {
        if (ShowVersionDialog)
            program_.dialogs.MessageBox("FEIL", "Feil versjon av filen");
        reader.Close();
        textfil.FeilNr = kWrongVersion;
        return;
    }

    PpvSheetHeader h = reader.ReadHeader();
    SourceText = h.sourceText;
    SpecText = h.specText;
    Prosjekt = h.prosjekt;
    SFI = h.sfi;
    ror = h.ror;
    Din2605 = h.din2605 != 0;
    Boying = h.boying == 0;
    if (program_.oppsett && program_.oppsett->Option[kBendPipe])
        Boying = true;
    if (program_.bendForm) {
        // Sheet files are single-byte text, so the line is already in that code page.
        program_.bendForm->BenderName = Utf8Left(h.benderName, kBenderNameLength);
    }
    sveisegap = h.sveisegap;
    FlensFremtrekk = h.flensFremtrekk;
    // An index outside the tables would be read past their end later on; such a
    // line keeps the index in force.
    if (h.pipeSizeIndex >= 0 && h.pipeSizeIndex < PipeSizeTables::kSizes)
        program_.sizes.PipeSizeIndex = h.pipeSizeIndex;
    GlobalRoter = h.globalRoter;
    GlobalRoterX = h.globalRoterX;
    GlobalRoterY = h.globalRoterY;
    GlobalRoterZ = h.globalRoterZ;

    reader.ReadTable(
        h.lastColumn, h.lastRow,
        [this](int col, int row, const std::string& text) { bTabell.SetCell(col, row, text); },
        [this](int row) {
            if (bTabell.Cell(1, row) == "rør")
                program_.sizes.SetIndexFromDiameter(TextToNum(bTabell.Cell(19, row)));
        });
    reader.Finish();

    // A read error of the table stays the outcome of the load, even when the
    // text-file operations after it succeed.
    int outcome = reader.ReadError();
    if (Boying && program_.bendForm) {
        program_.bendForm->SelectBender(program_.bendForm->BenderName);
        if (outcome == 0)
            outcome = textfil.FeilNr;
        TestBending();
    }
    if (textfil.FeilNr == 0)
        textfil.FeilNr = outcome;
}
