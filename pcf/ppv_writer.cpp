#include "pcf/ppv_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "pcf/text_helpers.h"

namespace {

// sign, d.ddd (mantissaDecimals digits after the point), "E", exponent sign and
// four exponent digits; halves rounded away from zero on 18 significant digits.
std::string ExponentText(double value, int mantissaDecimals) {
    std::string sign = value < 0 ? "-" : " ";
    if (std::isnan(value))
        return " NAN";
    if (std::isinf(value))
        return sign + "INF";
    std::string digits(1, '0');
    int exponent = 0;
    if (value != 0) {
        char buf[64];
        auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                 std::chars_format::scientific, 17);
        std::string text(buf, res.ptr);
        std::size_t e = text.find('e');
        exponent = std::atoi(text.c_str() + e + 1);
        digits.clear();
        for (std::size_t i = 0; i < e; ++i)
            if (text[i] != '.')
                digits += text[i];
    }
    std::size_t keep = static_cast<std::size_t>(mantissaDecimals) + 1;
    digits.resize(std::max(digits.size(), keep + 1), '0');
    std::string kept = digits.substr(0, keep);
    if (digits[keep] >= '5') {
        int i = static_cast<int>(keep) - 1;
        while (i >= 0 && kept[i] == '9') kept[i--] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++exponent;
        }
    }
    std::string exponentDigits = std::to_string(std::abs(exponent));
    if (exponentDigits.size() < 4)
        exponentDigits.insert(0, 4 - exponentDigits.size(), '0');
    std::string text = sign + kept.substr(0, 1);
    if (mantissaDecimals > 0)
        text += "." + kept.substr(1);
    return text + "E" + (exponent < 0 ? "-" : "+") + exponentDigits;
}

}  // namespace

std::string ScientificText(double value) {
    return ExponentText(value, 14);
}

std::string NumberCellText(double value, int decimals) {
    if (decimals < 0)
        return ExponentText(value, 1);
    return NumToText(10, decimals, value);
}

PpvWriter::PpvWriter(TextFileLayer& textfil) : textfil_(textfil) {}

void PpvWriter::Remember(int error) {
    if (outputError_ == 0)
        outputError_ = error;
}

void PpvWriter::CreatePpv(const std::string& path) {
    outputError_ = 0;
    Remember(textfil_.OpenForRewrite(file_, path));
}

void PpvWriter::WriteLine(const std::string& text) {
    // A file that could not be created takes nothing; its failure is kept once
    // instead of counting every line as another error.
    if (!file_.IsOpen())
        return;
    Remember(textfil_.WriteTextLine(file_, text));
}

void PpvWriter::WritePpvHeader(const PpvHeader& header) {
    WriteLine("Vimo Preview 1.5");
    WriteLine(header.source);
    WriteLine(header.spec);
    WriteLine("PARTS");
    WriteLine("Prosjekt");
    WriteLine("SFI");
    WriteLine(header.pipeName);
    WriteLine("1");
    WriteLine("1");
    WriteLine("NO BENDER SELECTED");
    WriteLine(ScientificText(header.weldGap));
    WriteLine("10");
    WriteLine(std::to_string(header.pipeSizeIndex));
    WriteLine("0");
    WriteLine(ScientificText(0));
    WriteLine(ScientificText(0));
    WriteLine(ScientificText(0));
    WriteLine("21");
    WriteLine("100");
    WriteLine("BEGIN TABLE");
    rowCounter = 0;
    cellCounter = 0;
}

void PpvWriter::BeginRow() {
    WriteLine("BEGIN ROW " + std::to_string(rowCounter));
    ++rowCounter;
}

void PpvWriter::WriteCell(const std::string& text) {
    WriteLine(text);
    ++cellCounter;
}

void PpvWriter::WriteNumberCell(double value, int decimals) {
    WriteCell(NumberCellText(value, decimals));
}

void PpvWriter::EndRow() {
    WriteLine("END ROW");
    WriteLine("");
    cellCounter = 0;
}

void PpvWriter::EndTable() {
    WriteLine("END TABLE");
    Remember(textfil_.CloseTextFile(file_));
}
