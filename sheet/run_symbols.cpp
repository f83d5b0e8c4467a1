#include "sheet/sheet_painter.h"

void SheetPainter::ThickStep() {}
void SheetPainter::BrokenRisingStep() {}
void SheetPainter::BrokenFallingStroke() {}
void SheetPainter::DashedStep() {}
void SheetPainter::ShortDashedStep() {}
void SheetPainter::Dot() {}
void SheetPainter::FlangeBar() {}
void SheetPainter::DrawPipe() {}
void SheetPainter::DrawValve() {}
void SheetPainter::DrawReducer(bool) {}
void SheetPainter::DrawTee(int) {}
void SheetPainter::DrawSaddle() {}
void SheetPainter::DrawStartFlange() {}
void SheetPainter::DrawEndFlange() {}
