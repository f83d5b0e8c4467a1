#pragma once
#include <array>
#include <string>

class Program;

// Option indexes of the user settings; readers address options by index.
enum OptionIndex {
    kBendPipe = 0,
    kSelectBender = 1,
    kHidePosition = 2,
    kHideMaterials = 3,
    kHideRefs = 4,
    kIgnoreParts = 5,
    kForceView = 6,
    kDeletePPV = 7,
    kLogoVis = 8,
    kHideBendTotalLine = 9,
    kPrintBIGINFO = 10,
    kHideFlangeInfo = 11,
    kHideVimoMetric = 12,
    kShowCompass = 13,
    kAutoHideFlangeSize = 14,
    kAskToRegen = 15,
    kAutoVariant = 16,
};

// The settings window (never shown): the user settings as its controls hold them.
class TOppsettForm {
  public:
    static constexpr int kOptionCount = 17;
    // Configuration keys and list captions of the options, by index.
    static const std::array<const char*, kOptionCount>& OptionKeys();
    static const std::array<const char*, kOptionCount>& OptionCaptions();

    // Asks the folder tree for its five folders and fixes BendersFile.
    explicit TOppsettForm(Program& program);

    std::string EditFirmanavn, EditAdresse1, EditAdresse2, EditPostNummer, EditPostSted;
    std::array<bool, kOptionCount> Option{};
    int Avrunding = 0;
    int AvrundVinkel = 1;
    int AvrundVimo = 1;
    std::string fremtrekk = "0";
    std::string sveisegap = "0";
    std::string PlotFolder;
    bool dataserver = false;
    bool Loggfil = false;
    std::string BendersFile;

    // Reads every setting again from the configuration object; sets
    // LengthDecimals and LogMessages of the program.
    void LoadDefault();

    // The choice index a rounding text selects: a decimal integer kept within
    // -1 (nothing chosen) to 3; any other text chooses 0.
    static int RoundingChoice(const std::string& text);

  private:
    Program& program_;
};
