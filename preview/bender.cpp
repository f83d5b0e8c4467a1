#include "preview/bender.h"

#include <algorithm>

#include "app/program.h"
#include "env/cp1252.h"
#include "pcf/text_helpers.h"
#include "platform/dialogs.h"
#include "preview/oppsett.h"

namespace {

constexpr std::size_t kBenderNameLength = 63;
constexpr std::size_t kListedNameLength = 59;
constexpr int kPipeColumns = 8;  // "ND" to "strekk" from the attributes of a pipe line
constexpr int kTextColumn = 8;

}  // namespace

TBendForm::TBendForm(Program& program) : program_(program) {}

const std::array<const char*, TBendForm::kGridColumns>& TBendForm::GridCaptions() {
    static const std::array<const char*, kGridColumns> captions = {
        "ND", "diameter", "gripelengd", "grip. C/C", "radius", "min S", "max S", "strekk", "tekst"};
    return captions;
}

const std::array<int, TBendForm::kGridColumns>& TBendForm::GridColumnWidths() {
    static const std::array<int, kGridColumns> widths = {40, 50, 58, 56, 47, 46, 42, 45, 164};
    return widths;
}

std::string TBendForm::GridCell(int col, int row) const {
    auto it = grid_.find({col, row});
    return it == grid_.end() ? std::string() : it->second;
}

void TBendForm::SetGridCell(int col, int row, const std::string& text) {
    if (text.empty())
        grid_.erase({col, row});
    else
        grid_[{col, row}] = text;
}

std::string TBendForm::BendersFile() const {
    return program_.oppsett ? program_.oppsett->BendersFile : std::string();
}

void TBendForm::AddToList(const std::string& name) {
    const std::string key = Utf8Lower(name);
    auto at = std::upper_bound(
        BenderList.begin(), BenderList.end(), key,
        [](const std::string& k, const std::string& entry) { return k < Utf8Lower(entry); });
    int index = static_cast<int>(at - BenderList.begin());
    BenderList.insert(at, name);
    if (ItemIndex >= index)
        ++ItemIndex;  // the selection stays on its entry
}

void TBendForm::SelectBender(const std::string& name) {
    BenderName = Utf8Left(name, kBenderNameLength);
    loadbenderdata(false);
    LoadBendersKnappClick(false);
}

void TBendForm::FormShow() {
    XmlReader& xml = program_.xml;
    BenderList.clear();
    ItemIndex = -1;
    const std::string file = BendersFile();
    if (xml.xmlopen(file)) {
        xml.xmlfindelement("benders");
        Caption = xml.xmlparams[0].value + "   [" + file + "]";
        while (!xml.xmleof()) {
            if (!xml.xmlfindelement("bender"))
                continue;
            std::string shortname = Utf8Left(xml.xmlreadvalue("shortname"), kListedNameLength);
            if (shortname != "Empty")
                AddToList(shortname);
        }
        xml.xmlclose();
    }
    const auto& captions = GridCaptions();
    for (int c = 0; c < kGridColumns; ++c) SetGridCell(c, 0, captions[c]);
    loadbenderdata(false);
}

void TBendForm::loadbenderdata(bool fromList) {
    XmlReader& xml = program_.xml;
    BenderLoaded = false;
    xml.xmlopen(BendersFile());
    std::string name;
    if (!fromList) {
        if (BenderList.empty())
            AddToList(BenderName);
        for (int i = 0; i < static_cast<int>(BenderList.size()); ++i)
            if (BenderList[i] == BenderName)
                ItemIndex = i;
    }
    const std::string wanted = BenderListText();
    while (name != wanted && !xml.xmleof()) {
        xml.xmlfindelement("bender");
        name = xml.xmlreadvalue("shortname");
    }
    if (name == wanted) {
        for (int row = 1; row <= kGridRows; ++row)
            for (int c = 0; c < kGridColumns; ++c) SetGridCell(c, row, "");
        longname = xml.xmlparams[0].value;
        location = "Plassering: " + xml.xmlreadvalue("location");
        remark = xml.xmlreadvalue("remark");
        dims = "Spennvidde: " + xml.xmlreadvalue("dims");
        int row = 1;
        for (;;) {
            std::string text = xml.xmlreadvalue("pipe");
            if (text.empty())
                break;
            SetGridCell(kTextColumn, row, text);
            for (int c = 0; c < kPipeColumns; ++c) SetGridCell(c, row, xml.xmlparams[c].value);
            ++row;
        }
    }
    xml.xmlclose();
}

void TBendForm::LoadBendersKnappClick(bool) {
    PipeSizeTables& sizes = program_.sizes;
    sizes.ClearBenderColumns();
    const auto& diameters = PipeSizeTables::Diameter();
    for (int row = 1; row <= kGridRows; ++row) {
        const std::string diameterText = GridCell(1, row);
        if (diameterText.empty())
            continue;
        const double d = TextToNum(diameterText);
        auto match = std::find(diameters.begin(), diameters.end(), d);
        if (match == diameters.end())
            continue;
        const auto k = static_cast<std::size_t>(match - diameters.begin());
        sizes.BenderGrip[k] = TextToNum(GridCell(2, row));
        sizes.BenderRadius[k] = TextToNum(GridCell(4, row));
        sizes.BenderStretch[k] = TextToNum(GridCell(7, row));
        sizes.BenderGripCC[k] = TextToNum(GridCell(3, row));
    }
    BenderLoaded = true;
    // Closing the dialog with its OK result is the view's part when the button was used.
}

bool TBendForm::ShowModal() {
    FormShow();
    return program_.dialogs.ShowBenderChooser(*this);
}
