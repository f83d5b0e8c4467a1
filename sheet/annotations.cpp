#include "sheet/sheet_painter.h"

void SheetPainter::PositionMarker(int) {}
void SheetPainter::OversizeBox(int, int) {}
void SheetPainter::TotalDimensionLine() {}
void SheetPainter::ReferenceBalloon() {}
