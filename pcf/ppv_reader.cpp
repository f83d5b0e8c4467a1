#include "pcf/ppv_reader.h"

#include <charconv>
#include <limits>

#include "app/program.h"
#include "platform/dialogs.h"

namespace {

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool IsSeparator(char ch) {
    return static_cast<unsigned char>(ch) <= 32;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Digits from pos; returns how many.
std::size_t SkipDigits(const std::string& s, std::size_t& pos) {
    std::size_t start = pos;
    while (pos < s.size() && IsDigit(s[pos])) ++pos;
    return pos - start;
}

}  // namespace

bool ParsePpvInteger(const std::string& token, std::int64_t& value) {
    std::size_t pos = 0;
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-'))
        ++pos;
    std::size_t digitsAt = pos;
    if (SkipDigits(token, pos) == 0 || pos != token.size())
        return false;
    const char* first = token.data() + digitsAt;
    std::uint64_t magnitude = 0;
    auto res = std::from_chars(first, token.data() + token.size(), magnitude);
    if (res.ec != std::errc() ||
        magnitude > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
        return false;
    value = static_cast<std::int64_t>(magnitude);
    if (token[0] == '-')
        value = -value;
    return true;
}

bool ParsePpvReal(const std::string& token, double& value) {
    // sign, digits, optional "." and digits, optional exponent with sign and digits
    std::size_t pos = 0;
    if (pos < token.size() && (token[pos] == '+' || token[pos] == '-'))
        ++pos;
    std::size_t mantissaDigits = SkipDigits(token, pos);
    if (pos < token.size() && token[pos] == '.') {
        ++pos;
        mantissaDigits += SkipDigits(token, pos);
    }
    if (mantissaDigits == 0)
        return false;
    if (pos < token.size() && (token[pos] == 'E' || token[pos] == 'e')) {
        ++pos;
        if (pos < token.size() && (token[pos] == '+' || token[pos] == '-'))
            ++pos;
        if (SkipDigits(token, pos) == 0)
            return false;
    }
    if (pos != token.size())
        return false;
    const char* first = token.data();
    if (*first == '+')
        ++first;
    auto res = std::from_chars(first, token.data() + token.size(), value);
    if (res.ec == std::errc::result_out_of_range)
        return false;
    return res.ec == std::errc();
}

PpvReader::PpvReader(Program& program) : program_(program) {}

PpvReader::~PpvReader() {
    program_.textfil.CloseQuietly(file_);
}

bool PpvReader::Open(const std::string& path) {
    lastLine_.clear();
    pendingError_ = 0;
    firstError_ = 0;
    return program_.textfil.OpenForReading(file_, path) == 0;
}

bool PpvReader::IsAcceptedVersion(const std::string& firstLine) {
    return firstLine == kFileIdentifier || Contains(firstLine, kOlderIdentifier);
}

bool PpvReader::ReadVersion() {
    return IsAcceptedVersion(ReadWholeLine());
}

std::string PpvReader::ReadWholeLine() {
    program_.textfil.ReadRawLine(file_, lastLine_);
    return lastLine_;
}

void PpvReader::NoteError(int error) {
    if (firstError_ == 0)
        firstError_ = error;
}

void PpvReader::ReportPending() {
    if (pendingError_ == 0)
        return;
    auto& textfil = program_.textfil;
    textfil.FeilNr = pendingError_;
    ++textfil.ErrorCount;
    program_.dialogs.MessageBox("FEIL", "Lesefeil i tekstfil ");
    textfil.WriteLog("Lesefeil i tekstfil.");
    pendingError_ = 0;
}

std::string PpvReader::ReadCellLine() {
    auto& textfil = program_.textfil;
    lastLine_ = textfil.ReadTextLine(file_);
    if (textfil.FeilNr != 0)
        NoteError(textfil.FeilNr);
    // A malformed number in the header surfaces at the next cell read.
    ReportPending();
    return lastLine_;
}

bool PpvReader::ReadToken(std::string& token) {
    token.clear();
    std::string line;
    while (program_.textfil.ReadRawLine(file_, line)) {
        std::size_t start = 0;
        while (start < line.size() && IsSeparator(line[start])) ++start;
        if (start == line.size())
            continue;  // nothing but separators: the token is further on
        std::size_t end = start;
        while (end < line.size() && !IsSeparator(line[end])) ++end;
        token = line.substr(start, end - start);
        lastLine_ = line;
        return true;
    }
    return false;
}

std::int32_t PpvReader::ReadInteger32() {
    std::string token;
    if (!ReadToken(token))
        return 0;
    std::int64_t value = 0;
    if (!ParsePpvInteger(token, value) || value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        if (pendingError_ == 0)
            pendingError_ = kInvalidNumericFormat;
        NoteError(kInvalidNumericFormat);
        return 0;
    }
    return static_cast<std::int32_t>(value);
}

std::int16_t PpvReader::ReadInteger16() {
    std::string token;
    if (!ReadToken(token))
        return 0;
    std::int64_t value = 0;
    if (!ParsePpvInteger(token, value)) {
        if (pendingError_ == 0)
            pendingError_ = kInvalidNumericFormat;
        NoteError(kInvalidNumericFormat);
        return 0;
    }
    // The low 16 bits count.
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

double PpvReader::ReadReal() {
    std::string token;
    if (!ReadToken(token))
        return 0;
    double value = 0;
    if (!ParsePpvReal(token, value)) {
        if (pendingError_ == 0)
            pendingError_ = kInvalidNumericFormat;
        NoteError(kInvalidNumericFormat);
        return 0;
    }
    return value;
}

PpvSheetHeader PpvReader::ReadHeader() {
    PpvSheetHeader h;
    h.sourceText = ReadWholeLine();
    h.specText = ReadWholeLine();
    h.partsLine = ReadWholeLine();
    h.prosjekt = ReadWholeLine();
    h.sfi = ReadWholeLine();
    h.ror = ReadWholeLine();
    h.din2605 = ReadInteger16();
    h.boying = ReadInteger16();
    h.benderName = ReadWholeLine();
    h.sveisegap = ReadReal();
    h.flensFremtrekk = ReadReal();
    h.pipeSizeIndex = ReadInteger32();
    h.globalRoter = ReadInteger32();
    h.globalRoterX = ReadReal();
    h.globalRoterY = ReadReal();
    h.globalRoterZ = ReadReal();
    h.lastColumn = ReadInteger16();
    h.lastRow = ReadInteger16();
    ReadWholeLine();  // "BEGIN TABLE"
    return h;
}

void PpvReader::ReadTable(int lastColumn, int lastRow, const CellSink& cell,
                          const RowSink& rowDone) {
    auto& textfil = program_.textfil;
    for (int row = 0; row <= lastRow; ++row) {
        // The line last read is tested first.
        while (!Contains(lastLine_, "BEGIN ROW") && !Contains(lastLine_, "END TABLE") &&
               !textfil.Eof(file_))
            ReadWholeLine();
        for (int col = 0; col <= lastColumn; ++col) {
            // The rest of a short row is left alone; stopping here keeps a huge
            // announced column count from costing anything per row.
            if (Contains(lastLine_, "END ROW"))
                break;
            // Past the end every cell reads as empty; the file is not asked again.
            if (textfil.Eof(file_)) {
                lastLine_.clear();
                cell(col, row, lastLine_);
                continue;
            }
            std::string text = ReadCellLine();
            if (!Contains(text, "END ROW"))
                cell(col, row, text);
        }
        ReadWholeLine();
        while (Contains(lastLine_, "END ROW")) ReadWholeLine();
        if (textfil.Eof(file_) || Contains(lastLine_, "END TABLE"))
            break;
        rowDone(row);
    }
}

void PpvReader::Finish() {
    ReadWholeLine();
    // A malformed number with no cell read after it is not lost.
    ReportPending();
    program_.textfil.CloseQuietly(file_);
}

void PpvReader::Close() {
    program_.textfil.CloseTextFile(file_);
}
