#include "preview/bender.h"

#include "app/program.h"

TBendForm::TBendForm(Program& program) : program_(program) {}
