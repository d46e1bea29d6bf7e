// The toolkit's message boxes and dialogs behind the dialog service. The dialogs are the
// toolkit's own (not the desktop's) so that they look and behave the same everywhere.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/ui/Dialogs.h"
#include "platform/ui/FileFilter.h"

namespace {
QString BoxText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

QString QtFilter(const std::string& filter) {
    QStringList parts;
    for (const TFileFilterItem& item : ParseFileFilter(filter)) {
        QStringList patterns;
        for (const std::string& p : item.Patterns) patterns << QString::fromStdString(p);
        parts << QString::fromStdString(item.Description) + " (" + patterns.join(' ') + ")";
    }
    return parts.join(QLatin1String(";;"));
}

QColor ToQColor(TColor color) {
    TColor rgb = ColorToRGB(color);
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c) { return TColor(c.red() | (c.green() << 8) | (c.blue() << 16)); }

class TToolkitDialogService : public TDialogService {
public:
    TModalResult MessageBox(const std::string& text, const std::string& caption, TMsgDlgType type,
                            TMsgDlgButtons buttons) override {
        return ShowBox(text, caption, type, buttons, nullptr);
    }

    TModalResult MessageBoxAt(const std::string& text, const std::string& caption, TMsgDlgType type,
                              TMsgDlgButtons buttons, TPoint topLeft) override {
        return ShowBox(text, caption, type, buttons, &topLeft);
    }

    static TModalResult ShowBox(const std::string& text, const std::string& caption,
                                TMsgDlgType type, TMsgDlgButtons buttons, const TPoint* topLeft) {
        QMessageBox box(QApplication::activeWindow());
        if (topLeft) box.move(topLeft->X, topLeft->Y);
        box.setWindowTitle(QString::fromStdString(caption));
        box.setText(BoxText(text));
        switch (type) {
            case mtWarning:
                box.setIcon(QMessageBox::Warning);
                break;
            case mtError:
                box.setIcon(QMessageBox::Critical);
                break;
            case mtInformation:
                box.setIcon(QMessageBox::Information);
                break;
            case mtConfirmation:
                box.setIcon(QMessageBox::Question);
                break;
            case mtCustom:
                break;
        }
        static const std::pair<TMsgDlgBtn, QMessageBox::StandardButton> kinds[] = {
            {mbYes, QMessageBox::Yes},       {mbNo, QMessageBox::No},
            {mbOK, QMessageBox::Ok},         {mbCancel, QMessageBox::Cancel},
            {mbAbort, QMessageBox::Abort},   {mbRetry, QMessageBox::Retry},
            {mbIgnore, QMessageBox::Ignore}, {mbAll, QMessageBox::YesToAll}};
        std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> made;
        for (auto [button, standard] : kinds)
            if (buttons.Contains(button)) made.push_back({box.addButton(standard), button});
        if (made.empty()) made.push_back({box.addButton(QMessageBox::Ok), mbOK});
        box.exec();
        for (auto [widget, button] : made)
            if (box.clickedButton() == widget) return ModalResultOfButton(button);
        return buttons.Contains(mbCancel) ? mrCancel : buttons.Contains(mbNo) ? mrNo : mrCancel;
    }

    bool ExecuteFileDialog(TFileDialogRequest& request) override {
        QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.Title),
                           QString::fromStdString(request.InitialDir));
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        // The caller asks about overwriting once the default extension is on the name.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile);
        QStringList filters =
            QtFilter(request.Filter).split(QLatin1String(";;"), Qt::SkipEmptyParts);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            int index = request.FilterIndex >= 1 && request.FilterIndex <= filters.size()
                            ? request.FilterIndex - 1
                            : 0;
            dialog.selectNameFilter(filters[index]);
        }
        if (!request.FileName.empty()) dialog.selectFile(QString::fromStdString(request.FileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
        request.FileName = dialog.selectedFiles().first().toStdString();
        int chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0) request.FilterIndex = chosen + 1;
        return true;
    }

    bool ExecuteColorDialog(TColor& color, std::vector<TColor>& customColors) override {
        int count = std::min<int>(QColorDialog::customCount(), int(customColors.size()));
        for (int i = 0; i < count; ++i) QColorDialog::setCustomColor(i, ToQColor(customColors[i]));
        QColorDialog dialog(ToQColor(color), QApplication::activeWindow());
        dialog.setOption(QColorDialog::DontUseNativeDialog);
        bool ok = dialog.exec() == QDialog::Accepted;
        customColors.resize(QColorDialog::customCount());
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            customColors[i] = FromQColor(QColorDialog::customColor(i));
        if (ok) color = FromQColor(dialog.selectedColor());
        return ok;
    }
};
}  // namespace

TDialogService* ToolkitDialogService() {
    static TToolkitDialogService service;
    return &service;
}
