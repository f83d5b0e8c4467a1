#include "env/qv_reg_window.h"

#include "env/qv_reg.h"

namespace {

std::string SectionFor(const std::string& name) {
    return "VINDU-" + name;
}

}  // namespace

void SaveWindowPlacement(QvReg& reg, PlacementWindow& window, const std::string& name,
                         const std::string& extra) {
    reg.OpenUserIni();
    const std::string savedSection = reg.CurrentSection;
    reg.SetIniSection(SectionFor(name));
    reg.IniWriteBool("Maximized", window.Maximized());
    reg.IniWriteInteger("Left", window.Left());
    reg.IniWriteInteger("Top", window.Top());
    reg.IniWriteInteger("Height", window.Height());
    reg.IniWriteInteger("Width", window.Width());
    reg.IniWriteString("Diverse", extra);
    reg.SetIniSection(savedSection);
    reg.OpenMainIni();
}

int LoadWindowPlacement(QvReg& reg, PlacementWindow& window, const std::string& name,
                        std::string& extra) {
    reg.OpenUserIni();
    const std::string savedSection = reg.CurrentSection;
    const std::string section = SectionFor(name);
    IniFile& ini = reg.Ini();

    int left = ini.ReadInteger(section, "Left", 0);
    // A window saved on a larger screen keeps its right edge on this one.
    if (left > window.ScreenWidth())
        left = window.ScreenWidth() - window.Width();
    window.SetLeft(left);

    int top = ini.ReadInteger(section, "Top", 0);
    if (top > window.ScreenHeight())
        top = window.ScreenHeight() - window.Height();
    window.SetTop(top);

    if (extra != "OnlyPos") {
        const int height = ini.ReadInteger(section, "Height", 0);
        if (height > 0)
            window.SetHeight(height);
        const int width = ini.ReadInteger(section, "Width", 0);
        if (width > 0)
            window.SetWidth(width);
    }
    if (ini.ReadBool(section, "Maximized", false))
        window.Maximize();
    extra = ini.ReadString(section, "Diverse", "");

    reg.SetIniSection(savedSection);
    reg.OpenMainIni();
    return 0;
}
