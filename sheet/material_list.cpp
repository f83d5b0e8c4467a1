#include "sheet/sheet_painter.h"

void SheetPainter::MaterialHeading() {}
void SheetPainter::MaterialLine(int) {}
void SheetPainter::CoordHeading() {}
void SheetPainter::CoordGroup(const std::string&) {}
void SheetPainter::CoordLabel() {}
