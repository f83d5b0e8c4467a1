#pragma once
#include "platform/dialogs.h"

class QWidget;

// The dialogs of a desktop run, on Qt Widgets.
class QtDialogs : public Dialogs {
  public:
    // Parent of the dialogs (the main window once it exists).
    QWidget* parent = nullptr;

    void MessageBox(const std::string& title, const std::string& text) override;
    std::optional<std::string> ChooseFolder(const std::string& title,
                                            const std::string& initial) override;
    void Beep() override;
    bool PrintDialog(Printer& printer) override;
    void PrinterSetup(Printer& printer) override;
    bool ShowBenderChooser(TBendForm& form) override;
    bool Unattended() const override { return false; }
};
