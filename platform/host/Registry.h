#pragma once
// TRegistry: the program's settings, kept in an INI file in the user's
// configuration folder ($XDG_CONFIG_HOME/Velmora/Velmora.ini). Keys are
// "\"-separated paths; values are strings and integers. Both root keys reach
// the same per-user store: a user's program cannot write machine-wide
// settings here, and the program reads what it wrote itself. Unlike the
// Windows registry, key and value names are case-sensitive. The file may be
// edited by hand: a value reads back as the text after its "=", commas and
// semicolons included (the layout is in platform/host/SettingsFile.h).

#include <cstdint>
#include <memory>

#include "platform/runtime/AnsiString.h"
#include "platform/runtime/Components.h"
#include "platform/runtime/Exceptions.h"

using HKEY = std::uint32_t;
constexpr HKEY HKEY_CURRENT_USER = 0x80000001u;
constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002u;

class TRegistry : public TObject {
public:
    TRegistry();
    ~TRegistry() override;  // writes everything to disk

    HKEY GetRootKey() const { return rootKey_; }
    void SetRootKey(HKEY Value);  // closes the open key
    // "\"-separated path of the open key, empty at the root.
    AnsiString GetCurrentPath() const { return currentPath_; }

    // Key is relative to the open key, or absolute when it starts with "\".
    // False when the key is missing and CanCreate is false.
    bool OpenKey(const AnsiString& Key, bool CanCreate);
    // Writes everything to disk and returns to the root.
    void CloseKey();
    bool KeyExists(const AnsiString& Key);
    // Removes the key with its values and subkeys; false when it was missing
    // or the file could not be written.
    bool DeleteKey(const AnsiString& Key);

    bool ValueExists(const AnsiString& Name);
    // False when the value was missing or the file could not be written.
    bool DeleteValue(const AnsiString& Name);
    // A missing value reads as empty.
    AnsiString ReadString(const AnsiString& Name);
    // A missing value or one that is not a number raises ERegistryException
    // "Invalid data type for 'Name'". ReadBool is ReadInteger != 0.
    int ReadInteger(const AnsiString& Name);
    bool ReadBool(const AnsiString& Name);
    // A value that cannot be stored raises ERegistryException
    // "Failed to set data for 'Name'".
    void WriteString(const AnsiString& Name, const AnsiString& Value);
    void WriteInteger(const AnsiString& Name, int Value);
    void WriteBool(const AnsiString& Name, bool Value);

private:
    struct Store;
    AnsiString Resolve(const AnsiString& Key) const;
    AnsiString ValuePath(const AnsiString& Name) const;
    void Write(const AnsiString& Name, const AnsiString& Value);
    // The settings file, opened on first use.
    Store& Settings();
    // Writes the file; false when that failed.
    bool Save();
    // Drops a failed store: its error would stick, so the next use opens
    // the file afresh.
    void Discard();

    std::unique_ptr<Store> store_;
    HKEY rootKey_ = HKEY_CURRENT_USER;
    AnsiString currentPath_;
};
