#include "preview/bender.h"

#include "app/program.h"

TBendForm::TBendForm(Program& program) : program_(program) {}

std::string TBendForm::GridCell(int col, int row) const {
    auto it = grid_.find({col, row});
    return it == grid_.end() ? std::string() : it->second;
}
void TBendForm::SetGridCell(int col, int row, const std::string& text) { grid_[{col, row}] = text; }
void TBendForm::SelectBender(const std::string&) {}
void TBendForm::FormShow() {}
void TBendForm::loadbenderdata(bool) {}
void TBendForm::LoadBendersKnappClick(bool) {}
bool TBendForm::ShowModal() { return false; }
