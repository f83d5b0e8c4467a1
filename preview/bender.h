#pragma once
#include <map>
#include <string>
#include <utility>
#include <vector>

class Program;

// The bender catalogue and its chooser dialog. The model holds the list, the
// grid and the labels; the Qt dialog shows them.
class TBendForm {
public:
    explicit TBendForm(Program& program);

    // The selection list, kept sorted; ItemIndex -1 when nothing is selected.
    std::vector<std::string> BenderList;
    int ItemIndex = -1;
    // The list's text: the name of the bender in force (printed on the sheet).
    std::string BenderListText() const {
        return ItemIndex >= 0 && ItemIndex < static_cast<int>(BenderList.size())
                   ? BenderList[ItemIndex]
                   : std::string();
    }

    std::string Caption = "VIMO";
    std::string longname = "Langt navn:";
    std::string location = "Plassering:";
    std::string dims = "Spennvidde:";
    std::string remark = "Kommentar:";

    // The bender table: 9 columns, row 0 the captions.
    static constexpr int kGridColumns = 9;
    std::string GridCell(int col, int row) const;
    void SetGridCell(int col, int row, const std::string& text);
    int GridRowCount() const { return 25; }

    std::string BenderName;     // at most 63 characters
    bool BenderLoaded = false;

    void SelectBender(const std::string& name);
    void FormShow();
    void loadbenderdata(bool fromList);
    void LoadBendersKnappClick(bool fromButton);
    // Shows the chooser modally (through Dialogs); true when closed with "O&k".
    bool ShowModal();

private:
    Program& program_;
    std::map<std::pair<int, int>, std::string> grid_;
};
