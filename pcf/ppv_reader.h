#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "env/textfil.h"

class Program;

// The header of a sheet file, lines 2 to 20, as the reading rules yield it.
struct PpvSheetHeader {
    std::string sourceText;  // line 2
    std::string specText;    // line 3
    std::string partsLine;   // line 4, read and ignored
    std::string prosjekt;    // line 5
    std::string sfi;         // line 6
    std::string ror;         // line 7
    std::int16_t din2605 = 0;
    std::int16_t boying = 0;
    std::string benderName;  // line 10
    double sveisegap = 0;
    double flensFremtrekk = 0;
    std::int32_t pipeSizeIndex = 0;
    std::int32_t globalRoter = 0;
    double globalRoterX = 0, globalRoterY = 0, globalRoterZ = 0;
    std::int16_t lastColumn = 0;  // C: cells read per row is C + 1
    std::int16_t lastRow = 0;     // R: rows read is at most R + 1
};

// Reads a sheet (PPV) file line by line with the loader's grammar, through the
// text-file layer. One file per reader; the file is closed when the reader ends.
class PpvReader {
  public:
    static constexpr const char* kFileIdentifier = "Vimo Preview 1.5";
    static constexpr const char* kOlderIdentifier = "VIMO PDA Talvo";
    // The platform's number for an invalid numeric format.
    static constexpr int kInvalidNumericFormat = 106;

    explicit PpvReader(Program& program);
    ~PpvReader();
    PpvReader(const PpvReader&) = delete;
    PpvReader& operator=(const PpvReader&) = delete;

    // Opens the file for reading; false when that failed (FeilNr holds why).
    bool Open(const std::string& path);
    // True for a first line this program reads.
    static bool IsAcceptedVersion(const std::string& firstLine);
    // Reads line 1 and tests it.
    bool ReadVersion();
    // Reads header lines 2 to 20.
    PpvSheetHeader ReadHeader();

    using CellSink = std::function<void(int col, int row, const std::string& text)>;
    using RowSink = std::function<void(int row)>;
    // Reads rows 0 to lastRow with lastColumn + 1 cells each. cell receives every
    // cell text read; rowDone is called after each row that did not end the reading.
    void ReadTable(int lastColumn, int lastRow, const CellSink& cell, const RowSink& rowDone);
    // Reads one more line and closes the file without reporting.
    void Finish();
    // Closes the file with CloseTextFile (reported).
    void Close();

    // The first read error of this file (reported or still pending), 0 when none.
    int ReadError() const { return firstError_; }

    // Reading primitives.
    std::string ReadWholeLine();
    // A cell line: leading and trailing blanks removed; reports a pending error.
    std::string ReadCellLine();
    std::int32_t ReadInteger32();
    std::int16_t ReadInteger16();
    double ReadReal();

  private:
    // The next token of codes above 32, across lines; the rest of its line is
    // dropped. False at the end of the file.
    bool ReadToken(std::string& token);
    void NoteError(int error);
    void ReportPending();

    Program& program_;
    TextFile file_;
    std::string lastLine_;
    int pendingError_ = 0;
    int firstError_ = 0;
};

// Token parsers of the numeric header lines; false when the token is not one.
bool ParsePpvInteger(const std::string& token, std::int64_t& value);
bool ParsePpvReal(const std::string& token, double& value);
