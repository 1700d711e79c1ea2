#pragma once
// The open and save dialogs.

#include <vector>

#include "platform/runtime/Components.h"
#include "platform/runtime/Strings.h"

// ofHideReadOnly and ofEnableSizing are accepted and change nothing here.
enum TOpenOption { ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofAllowMultiSelect, ofPathMustExist,
                   ofFileMustExist, ofEnableSizing };
using TOpenOptions = Set<TOpenOption>;

class TOpenDialog : public TComponent {
public:
    explicit TOpenDialog(TComponent* AOwner);
    ~TOpenDialog() override;
    const AnsiString& GetFileName() const { return fileName_; }
    void SetFileName(const AnsiString& Value) { fileName_ = Value; }
    const AnsiString& GetInitialDir() const { return initialDir_; }
    void SetInitialDir(const AnsiString& Value) { initialDir_ = Value; }
    // "Description|*.ext|Description 2|*.a;*.b"
    const AnsiString& GetFilter() const { return filter_; }
    void SetFilter(const AnsiString& Value) { filter_ = Value; }
    // 1-based; after Execute, the filter the user chose.
    int GetFilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int Value) { filterIndex_ = Value; }
    // Added (without its dot) to a chosen name that has no extension.
    const AnsiString& GetDefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const AnsiString& Value) { defaultExt_ = Value; }
    const AnsiString& GetTitle() const { return title_; }
    void SetTitle(const AnsiString& Value) { title_ = Value; }
    TOpenOptions GetOptions() const { return options_; }
    void SetOptions(TOpenOptions Value) { options_ = Value; }
    // Every chosen file (several with ofAllowMultiSelect); FileName is the first.
    TStrings* GetFiles() const { return files_; }

    // Shows the dialog; false when cancelled, leaving FileName as it was. A
    // save dialog with ofOverwritePrompt asks before it picks an existing file.
    virtual bool Execute();

protected:
    virtual bool ForSaving() const { return false; }

private:
    bool ShowHostDialog(std::vector<AnsiString>& Files);
    AnsiString Complete(const AnsiString& Name) const;
    void CheckAnswer(const std::vector<AnsiString>& Files) const;

    AnsiString fileName_, initialDir_, filter_, defaultExt_, title_;
    int filterIndex_ = 1;
    TOpenOptions options_ = TOpenOptions{ofHideReadOnly, ofEnableSizing};
    TStringList* files_;
};

class TSaveDialog : public TOpenDialog {
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

protected:
    bool ForSaving() const override { return true; }
};
