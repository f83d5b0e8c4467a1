#include "gui/spooler_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QShowEvent>
#include <QSignalBlocker>

#include "app/program.h"

namespace {

constexpr int kBarHeight = 57;
constexpr int kIntervalHeight = 79;
// What the window's frame and title take of its outer height when the window
// system has not told yet.
constexpr int kAssumedDecoration = 27;
constexpr std::array<int, kLampCount> kLampX{8, 56, 104, 152, 200, 248};
constexpr std::array<const char*, kLampCount> kLampNames{"READY", "CHECK", "CONV",
                                                         "LOAD",  "PRINT", "CLEAN"};

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

TForm2& FormOf(Program& program) {
    if (!program.form2)
        program.form2 = std::make_unique<TForm2>(program);
    return *program.form2;
}

QLabel* BoldLabel(const QString& text, QWidget* parent, int x, int y, int width) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(x, y, width, 18);
    return label;
}

QPushButton* DotsButton(QWidget* parent, int x, int y) {
    auto* button = new QPushButton("...", parent);
    button->setGeometry(x, y, 32, 22);
    return button;
}

}  // namespace

SpoolLampWidget::SpoolLampWidget(const QString& text, QWidget* parent)
    : QWidget(parent), text_(text) {}

void SpoolLampWidget::SetColor(Rgb color) {
    color_ = color;
    update();
}

void SpoolLampWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(color_.r, color_.g, color_.b));
    painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 5, 5);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(9);
    painter.setFont(font);
    painter.drawText(rect(), Qt::AlignCenter, text_);
}

SpoolerWindow::SpoolerWindow(Program& program)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      program_(program),
      form_(FormOf(program)) {
    BuildControls();
    ConnectControls();
    form_.view = this;
    Refresh();
}

SpoolerWindow::~SpoolerWindow() {
    timer_.stop();
    if (form_.view == this)
        form_.view = nullptr;
}

void SpoolerWindow::BuildControls() {
    intervalPanel_ = new QWidget(this);
    intervalPanel_->setGeometry(0, 0, TForm2::kClientWidth, kIntervalHeight);
    BoldLabel("Spool inspection  interval", intervalPanel_, 8, 6, 348);
    tid_ = new QSlider(Qt::Horizontal, intervalPanel_);
    tid_->setRange(0, 60);
    tid_->setTickInterval(2);
    tid_->setTickPosition(QSlider::TicksBelow);
    tid_->setGeometry(8, 26, 348, 26);
    tidTekst_ = new QLabel(intervalPanel_);
    tidTekst_->setAlignment(Qt::AlignHCenter);
    tidTekst_->setGeometry(8, 56, 348, 18);

    settingsPanel_ = new QWidget(this);
    const int settingsHeight =
        TForm2::kExpandedHeight - kAssumedDecoration - kIntervalHeight - kBarHeight;
    settingsPanel_->setGeometry(0, kIntervalHeight, TForm2::kClientWidth, settingsHeight);
    BoldLabel("Current print queue:", settingsPanel_, 8, 6, 310);
    spoolFolder_ = new QLineEdit(settingsPanel_);
    spoolFolder_->setGeometry(8, 24, 310, 22);
    auto* button1 = DotsButton(settingsPanel_, 324, 24);
    BoldLabel("Default printer:", settingsPanel_, 8, 52, 310);
    spoolPrinter_ = new QComboBox(settingsPanel_);
    spoolPrinter_->setGeometry(8, 70, 310, 22);
    auto* bitBtn1 = DotsButton(settingsPanel_, 324, 70);
    saveArc_ = new QCheckBox("Move to archive after print", settingsPanel_);
    saveArc_->setGeometry(8, 100, 310, 20);
    arcFolder_ = new QLineEdit(settingsPanel_);
    arcFolder_->setGeometry(8, 122, 310, 22);
    auto* button2 = DotsButton(settingsPanel_, 324, 122);
    BoldLabel("Log folder:", settingsPanel_, 8, 150, 310);
    logFolder_ = new QLineEdit(settingsPanel_);
    logFolder_->setGeometry(8, 168, 310, 22);
    auto* button3 = DotsButton(settingsPanel_, 324, 168);
    auto* speedButton1 = new QPushButton("View logfile", settingsPanel_);
    speedButton1->setFlat(true);
    speedButton1->setGeometry(8, 198, 110, 24);
    errStop_ = new QCheckBox("Stop on error", settingsPanel_);
    errStop_->setGeometry(8, 228, 310, 20);

    bottomBar_ = new QWidget(this);
    for (int i = 0; i < kLampCount; ++i) {
        lamps_[i] = new SpoolLampWidget(kLampNames[i], bottomBar_);
        lamps_[i]->setGeometry(kLampX[i], 8, 41, 17);
    }
    knapp_ = new QPushButton(bottomBar_);
    knapp_->setGeometry(296, 4, 62, 24);
    statusLabel_ = new QLabel(bottomBar_);
    statusLabel_->setGeometry(8, 32, 337, 18);

    connect(button1, &QPushButton::clicked, this, [this] { form_.Button1Click(); });
    connect(button2, &QPushButton::clicked, this, [this] { form_.Button2Click(); });
    connect(button3, &QPushButton::clicked, this, [this] { form_.Button3Click(); });
    connect(bitBtn1, &QPushButton::clicked, this, [this] { form_.BitBtn1Click(); });
    connect(speedButton1, &QPushButton::clicked, this, [this] { form_.SpeedButton1Click(); });
}

void SpoolerWindow::ConnectControls() {
    connect(&timer_, &QTimer::timeout, this, [this] {
        form_.TimerTimer();
        Refresh();
    });
    connect(knapp_, &QPushButton::clicked, this, [this] { form_.KnappClick(); });
    connect(tid_, &QSlider::valueChanged, this, [this](int value) {
        if (refreshing_)
            return;
        form_.Tid = value;
        form_.TidChange();
    });
    connect(spoolFolder_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.SpoolFolder = text.toStdString(); });
    connect(arcFolder_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.ArcFolder = text.toStdString(); });
    connect(logFolder_, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.LogFolder = text.toStdString(); });
    connect(spoolPrinter_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (refreshing_)
            return;
        form_.SpoolPrinter = text.toStdString();
        form_.SpoolPrinterChange();
    });
    connect(saveArc_, &QCheckBox::toggled, this, [this](bool on) {
        if (refreshing_)
            return;
        form_.SaveArc = on;
        form_.SaveArcClick();
    });
    connect(errStop_, &QCheckBox::toggled, this, [this](bool on) {
        if (!refreshing_)
            form_.ErrStop = on;
    });
}

int SpoolerWindow::Decoration() const {
    const int measured = frameGeometry().height() - QWidget::height();
    return measured > 0 ? measured : kAssumedDecoration;
}

void SpoolerWindow::Refresh() {
    if (refreshing_)
        return;
    refreshing_ = true;
    setWindowTitle(Q(form_.Caption));
    const int clientHeight = form_.WindowHeight - kAssumedDecoration;
    setFixedSize(TForm2::kClientWidth, clientHeight);
    intervalPanel_->setVisible(form_.DetailsVisible);
    settingsPanel_->setVisible(form_.DetailsVisible);
    bottomBar_->setGeometry(0, clientHeight - kBarHeight, TForm2::kClientWidth, kBarHeight);
    knapp_->setText(Q(form_.Knapp));
    tid_->setValue(form_.Tid);
    tidTekst_->setText(Q(form_.TidTekst));
    if (!spoolFolder_->hasFocus())
        spoolFolder_->setText(Q(form_.SpoolFolder));
    if (!arcFolder_->hasFocus())
        arcFolder_->setText(Q(form_.ArcFolder));
    if (!logFolder_->hasFocus())
        logFolder_->setText(Q(form_.LogFolder));
    QStringList items;
    for (const auto& name : form_.SpoolPrinterItems) items << Q(name);
    QStringList present;
    for (int i = 0; i < spoolPrinter_->count(); ++i) present << spoolPrinter_->itemText(i);
    if (present != items) {
        spoolPrinter_->clear();
        spoolPrinter_->addItems(items);
    }
    const int index = spoolPrinter_->findText(Q(form_.SpoolPrinter));
    spoolPrinter_->setCurrentIndex(index);
    saveArc_->setChecked(form_.SaveArc);
    arcFolder_->setEnabled(form_.ArcFolderEnabled);
    errStop_->setChecked(form_.ErrStop);
    RefreshLampsAndStatus();
    refreshing_ = false;
}

void SpoolerWindow::RefreshLampsAndStatus() {
    for (int i = 0; i < kLampCount; ++i) lamps_[i]->SetColor(form_.Lamps[i]);
    statusLabel_->setText(Q(form_.StatusLabel));
}

void SpoolerWindow::RepaintNow() {
    RefreshLampsAndStatus();
    // The cycle runs on this thread without returning to the event loop, so
    // the stage is painted here and now.
    if (isVisible())
        bottomBar_->repaint();
}

void SpoolerWindow::ApplyTimer(int intervalMs) {
    if (intervalMs > 0)
        timer_.start(intervalMs);
    else
        timer_.stop();
}

void SpoolerWindow::CloseWindow() {
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

QString SpoolerWindow::StatusText() const {
    return statusLabel_->text();
}

void SpoolerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    form_.FormShow();
}

void SpoolerWindow::closeEvent(QCloseEvent* event) {
    // After a failed conversion the program ends without the closing steps.
    if (program_.ExitRequested()) {
        event->accept();
        return;
    }
    if (!form_.CloseQuery()) {
        // The cycle in progress closes the window when it ends; no new one starts.
        timer_.stop();
        event->ignore();
        return;
    }
    timer_.stop();
    form_.FormClose();
    event->accept();
}

int SpoolerWindow::Left() const {
    return frameGeometry().x();
}
int SpoolerWindow::Top() const {
    return frameGeometry().y();
}
int SpoolerWindow::Width() const {
    return frameGeometry().width();
}
int SpoolerWindow::Height() const {
    return QWidget::height() + Decoration();
}
bool SpoolerWindow::Maximized() const {
    return isMaximized();
}
void SpoolerWindow::SetLeft(int left) {
    move(left, Top());
}
void SpoolerWindow::SetTop(int top) {
    move(Left(), top);
}
// The border is fixed: the model's height rules, the width is the client width.
void SpoolerWindow::SetWidth(int) {}
void SpoolerWindow::SetHeight(int height) {
    form_.WindowHeight = height;
    Refresh();
}
void SpoolerWindow::Maximize() {
    setWindowState(windowState() | Qt::WindowMaximized);
}

int SpoolerWindow::ScreenWidth() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int SpoolerWindow::ScreenHeight() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}
