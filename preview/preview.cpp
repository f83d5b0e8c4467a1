#include "preview/preview.h"

#include "app/program.h"

TPreviewForm::TPreviewForm(Program& program) : program_(program) {}

int TPreviewForm::HandleCommandLine(const std::vector<std::string>&) { return 0; }

void TPreviewForm::RunCommandLinePrint() {}
bool TPreviewForm::Skriv1Click() { return false; }
std::string TPreviewForm::JobTitle() const { return {}; }
