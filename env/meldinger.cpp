#include "env/meldinger.h"

#include "app/program.h"
#include "platform/clock.h"
#include "platform/dialogs.h"

TMeldingForm::TMeldingForm(Program& program) : program_(program) {}

std::string TMeldingForm::Prefix(int kind) {
    switch (kind) {
        case 1:
            return "FEIL: ";
        case 2:
            return "ADVARSEL: ";
        case 3:
            return "Hint: ";
        case 10:
            return "";
        default: {
            std::string digits = std::to_string(kind);
            if (digits.size() == 3)
                digits = "0" + digits;
            return "Feil nr:" + digits + " ";
        }
    }
}

void TMeldingForm::Melding(int kind, const std::string& text) {
    Visible = true;
    std::string line = Prefix(kind) + text;
    MeldingListe.push_back(line);
    if (view)
        view->ShowLines(MeldingListe);
    if (program_.LogMessages) {
        std::string logLine = program_.clock.DateTimeText() + "  " + program_.reg.ComputerName() +
                              "(" + std::to_string(ApplicationHandle) + ") " + line;
        program_.textfil.AppendLineToFile(program_.textfil.LogFile(), logLine);
        // The log list is written back over the log file at the end of the run;
        // keeping the line there too means it survives that write-back.
        program_.textfil.KeepWrittenLogLine(logLine);
    }
    program_.dialogs.Beep();
}
