#pragma once
#include <string>

class Program;

// Draws one sheet into a file, without any dialog: FILE is a PPV file, or a
// PCF file (".pcf" in any case) that is converted first; OUT ends in ".pdf"
// (an A4 landscape PDF page) or ".png" (an A4 landscape image at 150 dots per
// inch on white). Returns 0 when OUT was written; the error number of a
// failed conversion; another non-zero status with the reason in `error` when
// the sheet cannot be loaded or OUT cannot be written. OUT is never left
// half-written.
int ExportSheet(Program& program, const std::string& file, const std::string& out,
                std::string& error);
