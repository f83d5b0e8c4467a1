#pragma once
#include <string>
#include <vector>

class Program;

// What the message window's widget does for the model.
class MeldingView {
  public:
    virtual ~MeldingView() = default;
    // Shows the window (without taking the focus) with these lines, repainted at once.
    virtual void ShowLines(const std::vector<std::string>& lines) = 0;
};

// The stay-on-top message window "Meldinger": a yellow list that keeps every
// message of the run.
class TMeldingForm {
  public:
    explicit TMeldingForm(Program& program);

    std::vector<std::string> MeldingListe;
    bool Visible = false;
    // The numeric handle of the main window, used in log lines only.
    long long ApplicationHandle = 0;
    MeldingView* view = nullptr;

    // A line for the user, prefixed by its kind (1 FEIL, 2 ADVARSEL, 3 Hint, 10 none).
    void Melding(int kind, const std::string& text);
    static std::string Prefix(int kind);

  private:
    Program& program_;
};
