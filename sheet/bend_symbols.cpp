#include "sheet/sheet_painter.h"

void SheetPainter::ArrowDown(int, int) {}
void SheetPainter::ArrowUp(int, int) {}
void SheetPainter::StraightBranch() {}
void SheetPainter::BranchRight() {}
void SheetPainter::BranchLeft() {}
void SheetPainter::InOutText(const std::string&) {}
void SheetPainter::DrawPartBend(int) {}
void SheetPainter::DrawBendingBend(int, const std::string&) {}
