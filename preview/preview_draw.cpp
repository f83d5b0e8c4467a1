#include "app/program.h"
#include "preview/preview.h"
#include "sheet/sheet_painter.h"

void TPreviewForm::CanvasPrint(Canvas& canvas) {
    SheetPainter painter(program_, *this, canvas);
    painter.CanvasPrint();
    // The page is drawn as it stands; the operator learns that it is cut off.
    if (painter.RanOffPage()) {
        std::string sheet = SheetFileName;
        if (!ror.empty())
            sheet += " (" + ror + ")";
        program_.textfil.WriteLog("ADVARSEL: Skissen på arket " + sheet +
                                  " går utenfor siden og er kuttet");
    }
}
