#include "platform/ui/FileDialog.h"

#include <filesystem>

#include "platform/ui/Dialogs.h"
#include "platform/ui/FileFilter.h"

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner) {}
TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute() {
    TFileDialogRequest request{IsSave(), FTitle, FFilter, FFilterIndex, FInitialDir, FFileName};
    for (;;) {
        if (!DialogService().ExecuteFileDialog(request)) return false;
        std::string name = ApplyDefaultExt(request.FileName, FDefaultExt);
        if (IsSave() && FOptions.Contains(ofOverwritePrompt) && std::filesystem::exists(name) &&
            MessageDlg(name + " already exists.\rDo you want to replace it?", mtWarning,
                       {mbYes, mbNo}) != mrYes) {
            request.FileName = name;
            continue;
        }
        FFileName = name;
        FFilterIndex = request.FilterIndex;
        return true;
    }
}

TSaveDialog::TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
TSaveDialog::~TSaveDialog() = default;

bool TSaveDialog::Execute() { return TOpenDialog::Execute(); }

namespace {
std::string RunTextFileDialog(TOpenDialog& dialog, const std::string& title,
                              const std::string& filter, const std::string& initialDir,
                              const std::string& fileName) {
    dialog.SetTitle(title);
    dialog.SetFilter(filter);
    dialog.SetFilterIndex(1);
    dialog.SetDefaultExt("txt");
    dialog.SetInitialDir(initialDir);
    dialog.SetFileName(fileName);
    return dialog.Execute() ? dialog.FileName() : std::string();
}
}  // namespace

std::string OpenTextFile(const std::string& title, const std::string& filter,
                         const std::string& initialDir, const std::string& fileName) {
    TOpenDialog dialog(nullptr);
    return RunTextFileDialog(dialog, title, filter, initialDir, fileName);
}

std::string SaveTextFile(const std::string& title, const std::string& filter,
                         const std::string& initialDir, const std::string& fileName) {
    TSaveDialog dialog(nullptr);
    dialog.SetOptions({ofOverwritePrompt, ofEnableSizing});
    return RunTextFileDialog(dialog, title, filter, initialDir, fileName);
}
