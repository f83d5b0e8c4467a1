#include "sheet/sheet_painter.h"

void SheetPainter::DrawBenderBlock() {}
void SheetPainter::DrawCompass() {}
void SheetPainter::DrawReferenceLegend() {}
void SheetPainter::DrawMetricLegend() {}
