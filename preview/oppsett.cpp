#include "preview/oppsett.h"

#include "app/program.h"

TOppsettForm::TOppsettForm(Program& program) : program_(program) {}

void TOppsettForm::LoadDefault() {}
