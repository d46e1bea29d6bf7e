#pragma once
// The open and save file dialogs as components: set the properties, call Execute, read FileName.
#include <string>

#include "platform/classes/Component.h"
#include "platform/classes/Set.h"

enum TOpenOption { ofOverwritePrompt, ofFileMustExist, ofPathMustExist, ofEnableSizing };
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
    KV_DECLARE_CLASS(TOpenDialog, TComponent)
public:
    explicit TOpenDialog(TComponent* owner);
    ~TOpenDialog() override;

    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& value) { FTitle = value; }
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& value) { FFilter = value; }
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& value) { FDefaultExt = value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& value) { FInitialDir = value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& value) { FFileName = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }

    // Shows the dialog. On OK, FileName is the chosen name with the default extension appended
    // when it has none, FilterIndex the chosen filter, and the result true; on cancel both stay
    // as they were.
    virtual bool Execute();

protected:
    virtual bool IsSave() const { return false; }

private:
    std::string FTitle;
    std::string FFilter;
    int FFilterIndex = 1;
    std::string FDefaultExt;
    std::string FInitialDir;
    std::string FFileName;
    TOpenOptions FOptions{ofEnableSizing};
};

class TSaveDialog : public TOpenDialog {
    KV_DECLARE_CLASS(TSaveDialog, TOpenDialog)
public:
    explicit TSaveDialog(TComponent* owner);
    ~TSaveDialog() override;

    // With ofOverwritePrompt, choosing an existing file asks "... already exists." with Yes/No;
    // No shows the dialog again.
    bool Execute() override;

protected:
    bool IsSave() const override { return true; }
};

// The project's text-file dialogs: the chosen name, or "" when cancelled.
std::string OpenTextFile(const std::string& title, const std::string& filter,
                         const std::string& initialDir, const std::string& fileName);
std::string SaveTextFile(const std::string& title, const std::string& filter,
                         const std::string& initialDir, const std::string& fileName);
