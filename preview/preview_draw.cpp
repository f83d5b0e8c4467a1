#include "app/program.h"
#include "preview/preview.h"
#include "sheet/sheet_painter.h"

void TPreviewForm::CanvasPrint(Canvas& canvas) {
    SheetPainter painter(program_, *this, canvas);
    painter.CanvasPrint();
}
