#include "sheet/sheet_painter.h"

void SheetPainter::CanvasPrint() {}
void SheetPainter::IsoStep() {}
void SheetPainter::CloseSpool() {}
int SheetPainter::DirectionCodeOf(const std::string&) { return 0; }
