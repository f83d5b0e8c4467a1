#include "preview/oppsett.h"

#include "app/program.h"

namespace {

constexpr const char* kStandard = "STANDARD";
constexpr const char* kTeknisk = "TEKNISK";
constexpr const char* kMain = "Main";

bool IsOn(const std::string& value) {
    return value == "1";
}

}  // namespace

const std::array<const char*, TOppsettForm::kOptionCount>& TOppsettForm::OptionKeys() {
    static const std::array<const char*, kOptionCount> keys = {
        "BendPipe",     "SelectBender",   "HidePosition",   "HideMaterials", "HideRefs",
        "IgnoreParts",  "ForceView",      "DeletePPV",      "Logo_Vis",      "HideBendTotalLine",
        "PrintBIGINFO", "HideFlangeInfo", "HideVimoMetric", "ShowCompass",   "AutoHideFlangeSize",
        "AskToRegen",   "AutoVariant"};
    return keys;
}

const std::array<const char*, TOppsettForm::kOptionCount>& TOppsettForm::OptionCaptions() {
    static const std::array<const char*, kOptionCount> captions = {
        "Bøy røret hvis mulig",
        "Velg alltid bøye ",
        "Skjul posisjon nummer",
        "Skjul material-liste",
        "Skjul referanser",
        "Hopp over armatur",
        "Tving frem tegning ved feil i filen",
        "Slett .ppv filer etter visning",
        "Vis logo på tegning",
        "Skul total-linje på bøye visning",
        "Ta med type/metode-tekst på utskrift",
        "Skjul generell flense-info",
        "Skjul VIMO-METRIC",
        "Vis kompass",
        "Skjul overmålboks hvis begge verdier er 0",
        "Spør om regenerering",
        "Automatisk korrigering av varianter i boksen"};
    return captions;
}

TOppsettForm::TOppsettForm(Program& program) : program_(program) {
    auto& reg = program_.reg;
    reg.solvantapath("data\\orlen");
    std::string xmlFolder = reg.solvantapath("xml");
    reg.solvantapath("tmp");
    reg.solvantapath("import\\pcf");
    reg.solvantapath("etc");
    BendersFile = JoinPath(xmlFolder, "benders.xml");
}

int TOppsettForm::RoundingChoice(const std::string& text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size())
        return 0;
    long long value = 0;
    for (; pos < text.size(); ++pos) {
        char ch = text[pos];
        if (ch < '0' || ch > '9')
            return 0;
        // Anything beyond 3 chooses 3, so the value can stop growing early.
        if (value < 1000)
            value = value * 10 + (ch - '0');
    }
    if (negative)
        value = -value;
    if (value > 3)
        return 3;
    if (value < -1)
        return -1;
    return static_cast<int>(value);
}

void TOppsettForm::LoadDefault() {
    const IniFile& ini = program_.reg.Ini();
    const auto& keys = OptionKeys();
    for (int i = 0; i < kOptionCount; ++i) {
        if (i == kLogoVis)
            continue;  // lives in "STANDARD", below
        Option[i] = IsOn(ini.ReadString(kTeknisk, keys[i], "0"));
    }
    EditFirmanavn = ini.ReadString(kStandard, "Firma_Navn", "");
    EditAdresse1 = ini.ReadString(kStandard, "Firma_PostAdresse", "");
    EditAdresse2 = ini.ReadString(kStandard, "Firma_GateAdresse", "");
    EditPostNummer = ini.ReadString(kStandard, "Firma_PostNr", "");
    EditPostSted = ini.ReadString(kStandard, "Firma_PostSted", "");
    Option[kLogoVis] = IsOn(ini.ReadString(kStandard, "Logo_Vis", ""));

    Avrunding = RoundingChoice(ini.ReadString(kTeknisk, "Avrunding_Lengde", "0"));
    AvrundVinkel = RoundingChoice(ini.ReadString(kTeknisk, "Avrunding_Vinkel", "0"));
    AvrundVimo = RoundingChoice(ini.ReadString(kTeknisk, "Avrunding_Rotering", "0"));
    program_.LengthDecimals = Avrunding;

    fremtrekk = ini.ReadString(kTeknisk, "Flens_fremtrekk", "0");
    sveisegap = ini.ReadString(kTeknisk, "Sveisegap", "0");
    PlotFolder = ini.ReadString(kStandard, "Plotfolder", "");

    dataserver = ini.ReadBool(kMain, "DataServer", false);
    Loggfil = ini.ReadBool(kMain, "Logg_Feilmeldinger", false);
    program_.LogMessages = Loggfil;
}
