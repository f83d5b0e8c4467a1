#include "gui/qt_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

#include "gui/bend_dialog.h"
#include "platform/printer.h"

namespace {

// A small chooser of the current printer; the printer object of the program
// is not a Qt printer, so the platform's own dialog cannot drive it.
bool ChoosePrinter(QWidget* parent, Printer& printer, const QString& title) {
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Printer:"), &dialog));
    auto* list = new QComboBox(&dialog);
    for (const auto& name : printer.Printers()) list->addItem(QString::fromStdString(name));
    list->setCurrentIndex(printer.PrinterIndex());
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (list->currentIndex() >= 0)
        printer.SetPrinterIndex(list->currentIndex());
    return true;
}

}  // namespace

void QtDialogs::MessageBox(const std::string& title, const std::string& text) {
    QMessageBox::warning(parent, QString::fromStdString(title), QString::fromStdString(text),
                         QMessageBox::Ok);
}

std::optional<std::string> QtDialogs::ChooseFolder(const std::string& title,
                                                   const std::string& initial) {
    QString chosen = QFileDialog::getExistingDirectory(parent, QString::fromStdString(title),
                                                       QString::fromStdString(initial));
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

void QtDialogs::Beep() {
    QApplication::beep();
}

bool QtDialogs::PrintDialog(Printer& printer) {
    return ChoosePrinter(parent, printer, QStringLiteral("Print"));
}

void QtDialogs::PrinterSetup(Printer& printer) {
    ChoosePrinter(parent, printer, QStringLiteral("Printer setup"));
}

bool QtDialogs::ShowBenderChooser(TBendForm& form) {
    return RunBendDialog(form, parent);
}
