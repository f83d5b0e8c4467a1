// XML reader and bender catalogue: any bytes as "benders.xml". The chooser's
// list is filled, every listed bender and an unknown one are selected, the
// reader walks the file element by element, and a bending sheet is loaded and
// drawn with the catalogue's data.
#include <filesystem>
#include <vector>

#include "fuzz/fuzz_program.h"
#include "preview/bender.h"
#include "preview/oppsett.h"
#include "preview/preview.h"

namespace {

constexpr std::size_t kMostSelections = 8;

void WalkElements(XmlReader& xml, const std::string& file) {
    if (!xml.xmlopen(file))
        return;
    while (!xml.xmleof()) {
        if (!xml.xmlfindelement("pipe"))
            continue;
        xml.xmlreadvalue("pipe");
        xml.xmlelementend();
    }
    xml.xmlclose();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzProgram& h = Harness();
    Program& p = h.Fresh();
    const std::string file = p.oppsett->BendersFile;
    FuzzProgram::Write(file, data, size);

    TBendForm& form = *p.bendForm;
    form.FormShow();
    const std::vector<std::string> names = form.BenderList;
    for (std::size_t i = 0; i < names.size() && i < kMostSelections; ++i)
        form.SelectBender(names[i]);
    form.SelectBender("not in the catalogue");
    WalkElements(p.xml, file);

    // A bending sheet that names bender "B1" takes its grip and radius from
    // the catalogue.
    static const std::string sheet = std::string(VIMO_FIXTURES_DIR) + "/ppv/bending.ppv";
    if (std::filesystem::exists(sheet)) {
        TPreviewForm& preview = *p.preview;
        preview.ShowVersionDialog = false;
        preview.SheetFileName = sheet;
        preview.UnattendedPrint = true;
        preview.HentVisning();
        if (p.textfil.FeilNr == 0)
            preview.Skriv1Click();
    }
    return 0;
}
