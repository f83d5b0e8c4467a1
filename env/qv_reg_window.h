#pragma once
#include <string>

class QvReg;

// What window placement needs of a window: its edges, size and maximised
// state, and the size of the screen it is on. The Qt views implement it.
class PlacementWindow {
  public:
    virtual ~PlacementWindow() = default;
    virtual int Left() const = 0;
    virtual int Top() const = 0;
    virtual int Width() const = 0;   // outer width
    virtual int Height() const = 0;  // outer height
    virtual bool Maximized() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void Maximize() = 0;
    virtual int ScreenWidth() const = 0;
    virtual int ScreenHeight() const = 0;
};

// Writes the window's placement and the extra text to section "VINDU-" + name
// of the per-user file.
void SaveWindowPlacement(QvReg& reg, PlacementWindow& window, const std::string& name,
                         const std::string& extra);

// Places the window as saved under its name. With extra "OnlyPos" the saved
// size is left out. extra comes back as the saved "Diverse" text. Returns 0.
int LoadWindowPlacement(QvReg& reg, PlacementWindow& window, const std::string& name,
                        std::string& extra);
