#pragma once
#include <QDialog>
#include <QPixmap>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;
class TBendForm;

// Shows the bender chooser for the model, modally; true when closed with "O&k".
bool RunBendDialog(TBendForm& form, QWidget* parent);

// A picture of a pipe-bending machine, drawn in code: a bed, a bending die with
// its clamp and a pipe bent round it.
QPixmap DrawBendingMachinePicture(int width, int height);

// The bender chooser: the top panel with the list and "O&k", and the tabs
// "&Info" and "&Tabell" at the bottom. It shows a TBendForm and hands the
// list's changes and the button to it.
class BendDialog : public QDialog {
    Q_OBJECT
  public:
    BendDialog(TBendForm& form, QWidget* parent);

    // Shows the model's list, labels and grid again.
    void Refresh();

    QComboBox* benderList() const { return benderList_; }
    QPushButton* okButton() const { return okButton_; }
    QTableWidget* grid() const { return grid_; }
    QTabWidget* pages() const { return pages_; }
    QLabel* longnameLabel() const { return longname_; }
    QLabel* locationLabel() const { return location_; }
    QLabel* dimsLabel() const { return dims_; }
    QLabel* remarkLabel() const { return remark_; }

  private:
    void ListChanged(int index);
    void OkClicked();
    void ShowLabelsAndGrid();

    TBendForm& form_;
    bool filling_ = false;
    QComboBox* benderList_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QLabel* longname_ = nullptr;
    QLabel* location_ = nullptr;
    QLabel* dims_ = nullptr;
    QLabel* remark_ = nullptr;
    QTableWidget* grid_ = nullptr;
};
