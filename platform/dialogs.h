#pragma once
#include <optional>
#include <string>

class Printer;
class TBendForm;

// Everything that would wait for a person goes through this interface, so that
// an unattended run can answer at once.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A modal box with one OK button.
    virtual void MessageBox(const std::string& title, const std::string& text) = 0;
    // The folder chooser; empty when cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& title,
                                                    const std::string& initial) = 0;
    virtual void Beep() = 0;
    // The print dialog on the given printer; false when cancelled.
    virtual bool PrintDialog(Printer& printer) = 0;
    // The printer set-up dialog.
    virtual void PrinterSetup(Printer& printer) = 0;
    // The bender chooser, shown modally; true when closed with "O&k".
    virtual bool ShowBenderChooser(TBendForm& form) = 0;
    // Whether nobody is there to answer (boxes are logged, not shown).
    virtual bool Unattended() const = 0;
};
