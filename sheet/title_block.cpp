#include "sheet/sheet_painter.h"

void SheetPainter::DrawTitleBlock() {}
void SheetPainter::DrawViewWord() {}
void SheetPainter::DrawNotice() {}
void SheetPainter::DrawLogo() {}
