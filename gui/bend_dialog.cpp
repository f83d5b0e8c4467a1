#include "gui/bend_dialog.h"

#include <QComboBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QWidget>

#include "preview/bender.h"

namespace {

constexpr int kClientWidth = 586;
constexpr int kClientHeight = 272;
constexpr int kPanelHeight = 41;
constexpr int kPictureWidth = 180;
constexpr int kPictureHeight = 144;
constexpr int kRowHeight = 18;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QPixmap DrawBendingMachinePicture(int width, int height) {
    QPixmap pixmap(width, height);
    pixmap.fill(QColor(236, 240, 244));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width / 180.0, height / 144.0);

    // Floor and machine bed.
    p.fillRect(QRectF(0, 126, 180, 18), QColor(170, 170, 165));
    p.setPen(QPen(QColor(40, 50, 60), 1.2));
    p.setBrush(QColor(46, 110, 170));
    p.drawRoundedRect(QRectF(10, 86, 150, 40), 4, 4);
    p.setBrush(QColor(30, 80, 130));
    p.drawRect(QRectF(18, 118, 20, 10));
    p.drawRect(QRectF(132, 118, 20, 10));
    // Control panel on the bed.
    p.setBrush(QColor(220, 220, 210));
    p.drawRect(QRectF(22, 94, 26, 18));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QPointF(30, 103), 3, 3);
    p.setBrush(QColor(40, 170, 70));
    p.drawEllipse(QPointF(40, 103), 3, 3);

    // Bending die: a large disc with its hub, standing on the bed.
    const QPointF die(112, 62);
    p.setBrush(QColor(150, 155, 160));
    p.drawRect(QRectF(106, 62, 12, 26));
    p.setBrush(QColor(190, 195, 200));
    p.drawEllipse(die, 28, 28);
    p.setBrush(QColor(120, 125, 130));
    p.drawEllipse(die, 7, 7);

    // The pipe: a straight length from the left, bent 90 degrees round the die.
    QPainterPath bent;
    bent.moveTo(0, 34);
    bent.lineTo(die.x(), 34);
    bent.arcTo(QRectF(die.x() - 28, 34, 56, 56), 90, -90);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), 10, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(bent);
    p.setPen(QPen(QColor(205, 205, 200), 7, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(bent);

    // Clamp holding the pipe against the die, and the pressure die behind it.
    p.setPen(QPen(QColor(40, 50, 60), 1.2));
    p.setBrush(QColor(230, 160, 30));
    p.drawRect(QRectF(98, 22, 16, 8));
    p.drawRect(QRectF(56, 38, 34, 8));
    return pixmap;
}

BendDialog::BendDialog(TBendForm& form, QWidget* parent) : QDialog(parent), form_(form) {
    setFixedSize(kClientWidth, kClientHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Top panel.
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(0, 0, kClientWidth, kPanelHeight);
    QFont bold = panel->font();
    bold.setBold(true);
    panel->setFont(bold);
    auto* label = new QLabel(QStringLiteral("&Velg rørbøye-maskin:"), panel);
    label->setObjectName("Label1");
    label->setGeometry(8, 12, 170, 17);
    benderList_ = new QComboBox(panel);
    benderList_->setObjectName("BenderList");
    benderList_->setEditable(false);
    benderList_->setGeometry(180, 8, 290, 25);
    label->setBuddy(benderList_);
    okButton_ = new QPushButton(QStringLiteral("O&k"), panel);
    okButton_->setObjectName("LoadBendersKnapp");
    okButton_->setGeometry(490, 8, 85, 25);

    // Pages, tabs at the bottom.
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->setTabPosition(QTabWidget::South);
    pages_->setGeometry(0, kPanelHeight, kClientWidth, kClientHeight - kPanelHeight);

    auto* info = new QWidget;
    info->setObjectName("TabSheet1");
    longname_ = new QLabel(info);
    longname_->setObjectName("longname");
    QFont boldInfo = longname_->font();
    boldInfo.setBold(true);
    longname_->setFont(boldInfo);
    longname_->setGeometry(8, 6, 360, 17);
    location_ = new QLabel(info);
    location_->setObjectName("location");
    location_->setGeometry(8, 26, 360, 17);
    dims_ = new QLabel(info);
    dims_->setObjectName("dims");
    dims_->setGeometry(8, 46, 360, 17);
    remark_ = new QLabel(info);
    remark_->setObjectName("remark");
    remark_->setWordWrap(true);
    remark_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    remark_->setFont(QFont(QStringLiteral("Times New Roman"), 10));
    remark_->setGeometry(8, 66, 345, 121);
    auto* picture = new QLabel(info);
    picture->setObjectName("Image1");
    picture->setGeometry(392, 8, kPictureWidth, kPictureHeight);
    picture->setPixmap(DrawBendingMachinePicture(kPictureWidth, kPictureHeight));
    pages_->addTab(info, QStringLiteral("&Info"));

    grid_ = new QTableWidget(form_.GridRowCount(), TBendForm::kGridColumns);
    grid_->setObjectName("Grid");
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const auto& widths = TBendForm::GridColumnWidths();
    for (int c = 0; c < TBendForm::kGridColumns; ++c) grid_->setColumnWidth(c, widths[c]);
    for (int r = 0; r < form_.GridRowCount(); ++r) grid_->setRowHeight(r, kRowHeight);
    pages_->addTab(grid_, QStringLiteral("&Tabell"));

    connect(benderList_, &QComboBox::currentIndexChanged, this, &BendDialog::ListChanged);
    connect(okButton_, &QPushButton::clicked, this, &BendDialog::OkClicked);
    Refresh();
    benderList_->setFocus();
}

void BendDialog::Refresh() {
    filling_ = true;
    setWindowTitle(Text(form_.Caption));
    benderList_->clear();
    for (const auto& name : form_.BenderList) benderList_->addItem(Text(name));
    benderList_->setCurrentIndex(form_.ItemIndex);
    filling_ = false;
    ShowLabelsAndGrid();
}

void BendDialog::ShowLabelsAndGrid() {
    longname_->setText(Text(form_.longname));
    location_->setText(Text(form_.location));
    dims_->setText(Text(form_.dims));
    remark_->setText(Text(form_.remark));
    for (int r = 0; r < form_.GridRowCount(); ++r)
        for (int c = 0; c < TBendForm::kGridColumns; ++c)
            grid_->setItem(r, c, new QTableWidgetItem(Text(form_.GridCell(c, r))));
}

void BendDialog::ListChanged(int index) {
    if (filling_)
        return;
    form_.ItemIndex = index;
    form_.loadbenderdata(true);
    ShowLabelsAndGrid();
}

void BendDialog::OkClicked() {
    form_.LoadBendersKnappClick(true);
    accept();
}

bool RunBendDialog(TBendForm& form, QWidget* parent) {
    BendDialog dialog(form, parent);
    return dialog.exec() == QDialog::Accepted;
}
