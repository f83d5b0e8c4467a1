#include "gui/bend_dialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>

#include "tests/gui/qt_test_app.h"
#include "tests/preview/load_support.h"

namespace {

class BendDialogTest : public ::testing::Test {
  protected:
    BendDialogTest() {
        EnsureQtApp();
        MakeLoadWindows(t);
        InstallCatalogue(t, "xml/benders.xml");
        form().BenderName = "B1";
        form().FormShow();
    }
    TBendForm& form() { return *t.p().bendForm; }
    TestProgram t;
};

}  // namespace

TEST_F(BendDialogTest, ShowsTheModelLaidOutAsTheWindow) {
    BendDialog dialog(form(), nullptr);
    EXPECT_EQ(dialog.size(), QSize(586, 272));
    EXPECT_EQ(dialog.windowTitle().toStdString(), form().Caption);
    ASSERT_EQ(dialog.benderList()->count(), 3);
    EXPECT_EQ(dialog.benderList()->currentText(), "B1");
    EXPECT_EQ(dialog.okButton()->text(), "O&k");
    EXPECT_EQ(dialog.pages()->tabPosition(), QTabWidget::South);
    EXPECT_EQ(dialog.pages()->tabText(0), "&Info");
    EXPECT_EQ(dialog.pages()->tabText(1), "&Tabell");
    EXPECT_EQ(dialog.locationLabel()->text(), "Plassering: Hall 1");
    EXPECT_EQ(dialog.remarkLabel()->size(), QSize(345, 121));
    const int widths[] = {40, 50, 58, 56, 47, 46, 42, 45, 164};
    ASSERT_EQ(dialog.grid()->columnCount(), 9);
    EXPECT_EQ(dialog.grid()->rowCount(), 25);
    for (int c = 0; c < 9; ++c) EXPECT_EQ(dialog.grid()->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(dialog.grid()->item(0, 1)->text(), "diameter");
    EXPECT_EQ(dialog.grid()->item(1, 1)->text(), "60,30");
}

TEST_F(BendDialogTest, ChoosingAndOkPutTheBenderInForce) {
    BendDialog dialog(form(), nullptr);
    dialog.benderList()->setCurrentIndex(1);  // B2
    EXPECT_EQ(dialog.locationLabel()->text(), "Plassering: Hall 2");
    EXPECT_EQ(dialog.grid()->item(1, 1)->text(), "60.3");
    EXPECT_FALSE(form().BenderLoaded);
    dialog.okButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(form().BenderLoaded);
    EXPECT_EQ(form().BenderListText(), "B2");
    EXPECT_DOUBLE_EQ(t.p().sizes.BenderRadius[8], 90);
}

TEST(BendingMachinePictureTest, IsAPictureOfTheWantedSize) {
    EnsureQtApp();
    QImage image = DrawBendingMachinePicture(180, 144).toImage();
    EXPECT_EQ(image.size(), QSize(180, 144));
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 6);
}
