#pragma once
#include <array>
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
    // Adds a name at its sorted place (without regard to case; after equal names).
    void AddToList(const std::string& name);

    std::string Caption = "VIMO";
    std::string longname = "Langt navn:";
    std::string location = "Plassering:";
    std::string dims = "Spennvidde:";
    std::string remark = "Kommentar:";

    // The bender table: 9 columns, row 0 the captions.
    static constexpr int kGridColumns = 9;
    static constexpr int kGridRows = 25;
    static const std::array<const char*, kGridColumns>& GridCaptions();
    // Column widths of the dialog's grid, in pixels.
    static const std::array<int, kGridColumns>& GridColumnWidths();
    std::string GridCell(int col, int row) const;
    void SetGridCell(int col, int row, const std::string& text);
    int GridRowCount() const { return kGridRows; }

    std::string BenderName;  // at most 63 characters
    bool BenderLoaded = false;

    // Makes the name the current bender and puts its data in force.
    void SelectBender(const std::string& name);
    // On showing the dialog: the list from the catalogue, the current bender shown.
    void FormShow();
    // The list's change handler (fromList), also called by FormShow and SelectBender.
    void loadbenderdata(bool fromList);
    // The OK step: the grid into the four bender columns.
    void LoadBendersKnappClick(bool fromButton);
    // Shows the chooser modally (through Dialogs); true when closed with "O&k".
    bool ShowModal();

    // The catalogue file of the user settings (empty before they exist).
    std::string BendersFile() const;

  private:
    Program& program_;
    std::map<std::pair<int, int>, std::string> grid_;
};
