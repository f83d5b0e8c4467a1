#pragma once
#include <QWidget>

#include "env/meldinger.h"

class QListWidget;

// The message window "Meldinger": stays on top, a yellow list in navy bold text.
class MeldingWindow : public QWidget, public MeldingView {
  public:
    MeldingWindow();
    void ShowLines(const std::vector<std::string>& lines) override;

  private:
    QListWidget* list_;
};
