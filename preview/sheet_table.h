#pragma once
#include <map>
#include <string>
#include <utility>

// The sheet table bTabell: text cells by (column, row). The window shows 24
// columns by 50 rows; cells written outside that size are kept all the same.
// A cell never written reads as empty.
class SheetTable {
public:
    static constexpr int kColumns = 24;
    static constexpr int kRows = 50;

    const std::string& Cell(int col, int row) const {
        auto it = cells_.find({col, row});
        return it == cells_.end() ? empty_ : it->second;
    }
    void SetCell(int col, int row, std::string text) {
        if (text.empty()) {
            cells_.erase({col, row});
        } else {
            cells_[{col, row}] = std::move(text);
        }
    }
    void Clear() { cells_.clear(); }
    std::size_t StoredCells() const { return cells_.size(); }

private:
    std::map<std::pair<int, int>, std::string> cells_;
    std::string empty_;
};
