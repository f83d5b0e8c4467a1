#pragma once
#include <string>

#include "env/textfil.h"

// The 23-character scientific form of sheet-file header reals, such as
// ' 1.50000000000000E+0001'.
std::string ScientificText(double value);
// A number cell: fixed, width 10, `decimals` decimals; a negative count gives
// the 10-character scientific form, such as ' 5.0E+0002'.
std::string NumberCellText(double value, int decimals);

// The header values that a conversion puts into a sheet file; every other
// header line is fixed.
struct PpvHeader {
    std::string source;
    std::string spec;
    std::string pipeName;
    double weldGap = 0;
    int pipeSizeIndex = 0;
};

// Writes one sheet file line by line: header, rows of cells, end of table.
// The row and cell counters outlive a file.
class PpvWriter {
  public:
    explicit PpvWriter(TextFileLayer& textfil);

    int rowCounter = 0;
    int cellCounter = 0;

    // Creates (or empties) the file; FeilNr and the error box tell of a failure.
    void CreatePpv(const std::string& path);
    void WritePpvHeader(const PpvHeader& header);
    void BeginRow();
    void WriteCell(const std::string& text);
    void WriteNumberCell(double value, int decimals);
    void EndRow();
    // Writes "END TABLE" and closes the file.
    void EndTable();
    // The first failure of the file in hand: its creation, a write or its
    // closing; 0 when all went well.
    int OutputError() const { return outputError_; }

  private:
    void WriteLine(const std::string& text);
    void Remember(int error);

    TextFileLayer& textfil_;
    TextFile file_;
    int outputError_ = 0;
};
