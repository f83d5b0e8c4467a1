#include "spooler/vimoprnu.h"

#include "app/program.h"

TForm2::TForm2(Program& program) : program_(program) {}
