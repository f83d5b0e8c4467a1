// Sheet loading: any bytes as a PPV job, loaded as the spooler loads it and,
// when it loads, drawn on a recording page.
#include "fuzz/fuzz_program.h"
#include "preview/preview.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzProgram& h = Harness();
    Program& p = h.Fresh();
    TPreviewForm& preview = *p.preview;
    preview.ShowVersionDialog = false;
    preview.SheetFileName = FuzzProgram::Write(h.work / "sheet.ppv", data, size);
    preview.UnattendedPrint = true;
    preview.HentVisning();
    if (p.textfil.FeilNr == 0)
        preview.Skriv1Click();
    return 0;
}
