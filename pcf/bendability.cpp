#include "app/program.h"
#include "pcf/Matte.h"
#include "pcf/text_helpers.h"
#include "preview/bender.h"
#include "preview/preview.h"

namespace {

constexpr int kLastAdjustedRow = 50;  // the grid's row count

// A length as sheet text: the chosen decimals, unpadded; with no rounding
// chosen (-1) the general form.
std::string LengthText(int decimals, double value) {
    return decimals < 0 ? NumToText(0, 0, value) : NumToText(100, decimals, value);
}

}  // namespace

void TPreviewForm::TestBending() {
    auto& sizes = program_.sizes;
    TBendForm* bendForm = program_.bendForm.get();
    if (bendForm && !bendForm->BenderLoaded)
        bendForm->ShowModal();

    int i = sizes.PipeSizeIndex;
    if (i < 0 || i >= PipeSizeTables::kSizes)
        i = 0;
    if (sizes.BenderRadius[i] == 0) {
        program_.melding.Melding(
            1, "VELG EN BØYE FOR " + NumToText(0, 1, PipeSizeTables::Diameter()[i]));
        if (bendForm)
            bendForm->ShowModal();
    }

    const int decimals = program_.LengthDecimals;
    for (int r = 1; r <= kLastAdjustedRow; ++r) {
        if (bTabell.Cell(1, r) != "rør")
            continue;
        // Only a pipe that runs into a bend is shortened; any other pipe keeps
        // its length.
        if (bTabell.Cell(1, r + 1) != "bend")
            continue;
        double length = TextToNum(bTabell.Cell(2, r));
        double angle = TextToNum(bTabell.Cell(3, r + 1));
        double newLength = length - sizes.BenderGrip[i];
        bTabell.SetCell(2, r + 1,
                        LengthText(decimals, TangentLength(sizes.BenderRadius[i], angle)));
        bTabell.SetCell(2, r, LengthText(decimals, newLength));
    }
}
