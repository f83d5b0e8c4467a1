#pragma once

// The placement part of a window without a display: its edges, size and
// maximised state as plain values, and the screen it stands on.
template <class Window>
class FakePlacement : public Window {
  public:
    int left = 0, top = 0, width = 370, height = 84;
    bool maximized = false;
    int screenWidth = 1920, screenHeight = 1080;

    int Left() const override { return left; }
    int Top() const override { return top; }
    int Width() const override { return width; }
    int Height() const override { return height; }
    bool Maximized() const override { return maximized; }
    void SetLeft(int v) override { left = v; }
    void SetTop(int v) override { top = v; }
    void SetWidth(int v) override { width = v; }
    void SetHeight(int v) override { height = v; }
    void Maximize() override { maximized = true; }
    int ScreenWidth() const override { return screenWidth; }
    int ScreenHeight() const override { return screenHeight; }
};
