#include "gui/melding_view.h"

#include <QListWidget>
#include <QVBoxLayout>

MeldingWindow::MeldingWindow() : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Meldinger"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    list_ = new QListWidget(this);
    QFont font(QStringLiteral("Arial"), 10);
    font.setBold(true);
    list_->setFont(font);
    list_->setStyleSheet(QStringLiteral("QListWidget { background: yellow; color: navy; }"));
    layout->addWidget(list_);
    resize(436, 126);
    move(569, 597);
}

void MeldingWindow::ShowLines(const std::vector<std::string>& lines) {
    while (list_->count() < static_cast<int>(lines.size()))
        list_->addItem(QString::fromStdString(lines[list_->count()]));
    list_->scrollToBottom();
    if (!isVisible())
        show();
    repaint();
}
