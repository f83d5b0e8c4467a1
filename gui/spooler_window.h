#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWidget>
#include <array>

#include "platform/canvas.h"
#include "spooler/vimoprnu.h"

class Program;

// One stage lamp: a rounded rectangle in the lamp's colour with its name on it.
class SpoolLampWidget : public QWidget {
  public:
    SpoolLampWidget(const QString& text, QWidget* parent);
    void SetColor(Rgb color);
    Rgb Color() const { return color_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QString text_;
    Rgb color_{};
};

// The spooler window on the screen: shows the TForm2 model and hands it the
// user's input and the timer's ticks.
class SpoolerWindow : public QWidget, public SpoolerView {
  public:
    explicit SpoolerWindow(Program& program);
    ~SpoolerWindow() override;

    TForm2& Form() { return form_; }

    // SpoolerView
    void Refresh() override;
    void RepaintNow() override;
    void ApplyTimer(int intervalMs) override;
    void CloseWindow() override;

    // PlacementWindow
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    bool Maximized() const override;
    void SetLeft(int left) override;
    void SetTop(int top) override;
    void SetWidth(int width) override;
    void SetHeight(int height) override;
    void Maximize() override;
    int ScreenWidth() const override;
    int ScreenHeight() const override;

    // What the controls show, for the tests.
    const SpoolLampWidget& Lamp(SpoolLamp lamp) const { return *lamps_[lamp]; }
    QString StatusText() const;
    bool TimerActive() const { return timer_.isActive(); }
    int TimerIntervalMs() const { return timer_.interval(); }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void BuildControls();
    void ConnectControls();
    void RefreshLampsAndStatus();
    int Decoration() const;

    Program& program_;
    TForm2& form_;
    bool shown_ = false;
    bool refreshing_ = false;
    QTimer timer_;

    QWidget* intervalPanel_ = nullptr;
    QWidget* settingsPanel_ = nullptr;
    QWidget* bottomBar_ = nullptr;
    std::array<SpoolLampWidget*, kLampCount> lamps_{};
    QLabel* statusLabel_ = nullptr;
    QPushButton* knapp_ = nullptr;
    QSlider* tid_ = nullptr;
    QLabel* tidTekst_ = nullptr;
    QLineEdit* spoolFolder_ = nullptr;
    QComboBox* spoolPrinter_ = nullptr;
    QCheckBox* saveArc_ = nullptr;
    QLineEdit* arcFolder_ = nullptr;
    QLineEdit* logFolder_ = nullptr;
    QCheckBox* errStop_ = nullptr;
};
