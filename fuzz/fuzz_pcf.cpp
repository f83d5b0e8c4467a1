// PCF conversion: any bytes as a PCF job, then, as a spool cycle does, the
// converted sheet loaded and drawn on a recording page.
#include <cstdio>
#include <cstdlib>

#include "fuzz/fuzz_program.h"
#include "preview/preview.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzProgram& h = Harness();
    Program& p = h.Fresh();
    const std::string pcf = FuzzProgram::Write(h.work / "job.pcf", data, size);
    const std::string ppv = (h.work / "temp.ppv").string();

    p.pcf.ConvertPcf(pcf, ppv);
    if (p.textfil.FeilNr != 0)
        return 0;

    TPreviewForm& preview = *p.preview;
    preview.ShowVersionDialog = false;
    preview.SheetFileName = ppv;
    preview.UnattendedPrint = true;
    preview.HentVisning();
    // Writer and reader of sheet files must agree: a sheet the converter
    // wrote without an error always loads.
    if (p.textfil.FeilNr != 0) {
        std::fprintf(stderr, "converted sheet does not load: FeilNr %d\n", p.textfil.FeilNr);
        std::abort();
    }
    preview.Skriv1Click();
    return 0;
}
