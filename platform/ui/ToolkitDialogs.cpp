// The toolkit's input, font and print dialogs: what the dialog service shows unless a service
// of its own answers them. The print dialogs are ours (a few plain widgets), because they choose
// among the printer's own devices, not the print system's.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "platform/graphics/Font.h"
#include "platform/graphics/FontEngine.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/PrintDialog.h"

bool TDialogService::ExecuteInputQuery(const std::string& caption, const std::string& prompt,
                                       std::string& value) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromStdString(caption));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(value));
    if (dialog.exec() != QDialog::Accepted) return false;
    value = dialog.textValue().toStdString();
    return true;
}

bool TDialogService::ExecuteFontDialog(TFont& font) {
    QFontDialog dialog(ToolkitFont(font), QApplication::activeWindow());
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return false;
    const QFont chosen = dialog.selectedFont();
    font.SetName(chosen.family().toStdString());
    if (chosen.pointSize() > 0) font.SetSize(chosen.pointSize());
    TFontStyles style;
    if (chosen.bold()) style.Include(fsBold);
    if (chosen.italic()) style.Include(fsItalic);
    if (chosen.underline()) style.Include(fsUnderline);
    if (chosen.strikeOut()) style.Include(fsStrikeOut);
    font.SetStyle(style);
    return true;
}

bool TDialogService::ExecutePrintDialog(TPrintDialogRequest& request) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(request.Setup ? "Print Setup" : "Print");
    auto* layout = new QVBoxLayout(&dialog);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    auto* printers = new QComboBox;
    for (const std::string& name : request.Printers)
        printers->addItem(QString::fromStdString(name));
    printers->setCurrentIndex(request.PrinterIndex);
    form->addRow("Printer:", printers);
    auto* orientation = new QComboBox;
    orientation->addItems({"Portrait", "Landscape"});
    orientation->setCurrentIndex(request.Orientation == poLandscape ? 1 : 0);
    form->addRow("Orientation:", orientation);
    QRadioButton* all = nullptr;
    QRadioButton* selection = nullptr;
    QRadioButton* pages = nullptr;
    QSpinBox* from = nullptr;
    QSpinBox* to = nullptr;
    QSpinBox* copies = nullptr;
    if (!request.Setup) {
        all = new QRadioButton("All");
        selection = new QRadioButton("Selection");
        pages = new QRadioButton("Pages");
        selection->setEnabled(request.Options.Contains(poSelection));
        pages->setEnabled(request.Options.Contains(poPageNums));
        (request.PrintRange == prSelection  ? selection
         : request.PrintRange == prPageNums ? pages
                                            : all)
            ->setChecked(true);
        from = new QSpinBox;
        to = new QSpinBox;
        for (QSpinBox* box : {from, to}) {
            box->setRange(std::min(request.MinPage, request.MaxPage),
                          std::max(request.MinPage, request.MaxPage));
            box->setEnabled(pages->isEnabled());
        }
        from->setValue(request.FromPage);
        to->setValue(request.ToPage);
        copies = new QSpinBox;
        copies->setRange(1, 999);
        copies->setValue(std::max(request.Copies, 1));
        form->addRow(all);
        form->addRow(selection);
        form->addRow(pages);
        form->addRow("From:", from);
        form->addRow("To:", to);
        form->addRow("Copies:", copies);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    request.PrinterIndex = printers->currentIndex();
    request.Orientation = orientation->currentIndex() == 1 ? poLandscape : poPortrait;
    if (!request.Setup) {
        request.PrintRange = selection->isChecked() ? prSelection
                             : pages->isChecked()   ? prPageNums
                                                    : prAllPages;
        request.FromPage = from->value();
        request.ToPage = to->value();
        request.Copies = copies->value();
    }
    return true;
}
