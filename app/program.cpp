#include "app/program.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/hostinfo.h"
#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"
#include "spooler/vimoprnu.h"

Program::Program(PlatformServices services)
    : clock(services.clock),
      dialogs(services.dialogs),
      host(services.host),
      shell(services.shell),
      printer(services.printer),
      textfil(services.clock, services.dialogs),
      reg(*this),
      pcf(*this),
      xml(*this),
      melding(*this) {}

Program::~Program() = default;

void Program::RequestExit(int code) {
    exitRequested_ = true;
    exitCode_ = code;
    if (onExitRequest) onExitRequest(code);
}

int Program::CreateWindows() {
    form2 = std::make_unique<TForm2>(*this);
    preview = std::make_unique<TPreviewForm>(*this);
    int code = preview->HandleCommandLine(args);
    if (code != 0) return code;
    oppsett = std::make_unique<TOppsettForm>(*this);
    bendForm = std::make_unique<TBendForm>(*this);
    return 0;
}
