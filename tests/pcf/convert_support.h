#pragma once
#include <string>
#include <vector>

#include "env/cp1252.h"

// A sheet file split up the way it was written: 20 header lines, then rows of
// cells, then whether "END TABLE" closed it. Texts are UTF-8.
struct WrittenSheet {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    bool endTable = false;
    bool wellFormed = true;  // CR LF everywhere, blocks in order
};

inline WrittenSheet SplitSheet(const std::string& bytes) {
    WrittenSheet sheet;
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) {
            sheet.wellFormed = false;
            end = bytes.size();
        }
        lines.push_back(Cp1252ToUtf8(bytes.substr(pos, end - pos)));
        pos = end + 2;
    }
    std::size_t i = 0;
    for (; i < lines.size() && i < 20; ++i) sheet.header.push_back(lines[i]);
    while (i < lines.size()) {
        if (lines[i] == "END TABLE") {
            sheet.endTable = true;
            sheet.wellFormed = sheet.wellFormed && i + 1 == lines.size();
            break;
        }
        if (lines[i] != "BEGIN ROW " + std::to_string(sheet.rows.size())) {
            sheet.wellFormed = false;
            break;
        }
        std::vector<std::string> row;
        for (++i; i < lines.size() && lines[i] != "END ROW"; ++i) row.push_back(lines[i]);
        sheet.rows.push_back(row);
        if (i + 1 >= lines.size() || !lines[i + 1].empty()) {
            sheet.wellFormed = false;
            break;
        }
        i += 2;
    }
    return sheet;
}
