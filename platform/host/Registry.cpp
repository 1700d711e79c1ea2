#include "platform/host/Registry.h"

#include <QIODevice>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

#include "platform/host/SettingsFile.h"
#include "platform/runtime/SysUtils.h"

namespace {

// The file in our own reading of the INI layout: the ready-made one takes
// commas for list separators and ";" for a comment's start, so a value
// written by hand would not read as written.
bool ReadSettings(QIODevice& Device, QSettings::SettingsMap& Map) {
    Map = ParseSettingsFile(Device.readAll());
    return true;
}

bool WriteSettings(QIODevice& Device, const QSettings::SettingsMap& Map) {
    const QByteArray text = FormatSettingsFile(Map);
    return Device.write(text) == text.size();
}

QSettings::Format SettingsFormat() {
    static const QSettings::Format format = QSettings::registerFormat("ini", ReadSettings, WriteSettings);
    return format;
}

// Marks a key that was created but holds no value yet, so that it still
// exists after a restart. No escaped name can look like it.
const char* const kKeyMarker = "%@key";
// The registry's unnamed (default) value.
const char* const kDefaultValue = "%@";

// "/" and "\" separate groups in the settings file, so names escape them.
QString EscapeName(const AnsiString& name) {
    if (name.IsEmpty()) return QString::fromLatin1(kDefaultValue);
    std::string out;
    for (char c : name.str()) {
        if (c == '%') out += "%25";
        else if (c == '/') out += "%2F";
        else if (c == '\\') out += "%5C";
        else out += c;
    }
    return QString::fromStdString(out);
}

std::vector<std::string> PathParts(const AnsiString& path) {
    std::vector<std::string> parts(1);
    for (char c : path.str()) {
        if (c != '\\') parts.back() += c;
        else if (!parts.back().empty()) parts.emplace_back();
    }
    if (parts.back().empty()) parts.pop_back();
    return parts;
}
// "A\B\" and "\A\\B" both become "A\B".
// "A\\B\\" and "\\A\\\\B" both become "A\\B".
AnsiString NormalisePath(const AnsiString& path) {
    std::string out;
    for (const std::string& part : PathParts(path)) out += (out.empty() ? "" : "\\") + part;
    return AnsiString(std::move(out));
}

// A key path as a settings group ("A/B/C").
QString GroupOf(const AnsiString& path) {
    QStringList groups;
    for (const std::string& part : PathParts(path)) groups << EscapeName(AnsiString(part));
    return groups.join('/');
}

}  // namespace

struct TRegistry::Store {
    QSettings settings{SettingsFormat(), QSettings::UserScope, "Velmora", "Velmora"};
    // Only the user's own file: no system-wide defaults mixed in.
    Store() { settings.setFallbacksEnabled(false); }

    bool GroupExists(const QString& group) {
        if (group.isEmpty()) return true;
        settings.beginGroup(group);
        bool exists = !settings.allKeys().isEmpty();
        settings.endGroup();
        return exists;
    }
};

TRegistry::TRegistry() = default;

TRegistry::~TRegistry() {
    if (store_) store_->settings.sync();
}

void TRegistry::SetRootKey(HKEY Value) {
    CloseKey();
    rootKey_ = Value;
}

AnsiString TRegistry::Resolve(const AnsiString& Key) const {
    if (!Key.IsEmpty() && Key[1] == '\\') return NormalisePath(Key);
    return NormalisePath(currentPath_ + "\\" + Key);
}

AnsiString TRegistry::ValuePath(const AnsiString& Name) const {
    QString group = GroupOf(currentPath_);
    QString name = EscapeName(Name);
    return AnsiString((group.isEmpty() ? name : group + '/' + name).toStdString());
}

bool TRegistry::OpenKey(const AnsiString& Key, bool CanCreate) {
    AnsiString path = Resolve(Key);
    QString group = GroupOf(path);
    if (!Settings().GroupExists(group)) {
        if (!CanCreate) return false;
        QString marker = group + '/' + kKeyMarker;
        Settings().settings.setValue(marker, QString());
        if (!Save()) {
            Settings().settings.remove(marker);
            Discard();
            return false;
        }
    }
    currentPath_ = path;
    return true;
}

void TRegistry::CloseKey() {
    Settings().settings.sync();
    currentPath_ = AnsiString();
}

bool TRegistry::KeyExists(const AnsiString& Key) {
    QString group = GroupOf(Resolve(Key));
    return !group.isEmpty() && Settings().GroupExists(group);
}

bool TRegistry::DeleteKey(const AnsiString& Key) {
    QString group = GroupOf(Resolve(Key));
    if (group.isEmpty() || !Settings().GroupExists(group)) return false;
    Settings().settings.remove(group);
    if (Save()) return true;
    Discard();
    return false;
}

bool TRegistry::ValueExists(const AnsiString& Name) {
    return Settings().settings.contains(QString::fromStdString(ValuePath(Name).str()));
}

bool TRegistry::DeleteValue(const AnsiString& Name) {
    QString key = QString::fromStdString(ValuePath(Name).str());
    if (!Settings().settings.contains(key)) return false;
    Settings().settings.remove(key);
    // The key itself stays, as in the registry.
    QString group = GroupOf(currentPath_);
    if (!group.isEmpty() && !Settings().GroupExists(group)) Settings().settings.setValue(group + '/' + kKeyMarker, QString());
    if (Save()) return true;
    Discard();
    return false;
}

AnsiString TRegistry::ReadString(const AnsiString& Name) {
    QVariant v = Settings().settings.value(QString::fromStdString(ValuePath(Name).str()));
    return AnsiString(v.toString().toStdString());
}

int TRegistry::ReadInteger(const AnsiString& Name) {
    QString key = QString::fromStdString(ValuePath(Name).str());
    int value = 0;
    if (!Settings().settings.contains(key) ||
        !TryStrToInt(Settings().settings.value(key).toString().toStdString(), value))
        throw ERegistryException("Invalid data type for '" + Name + "'");
    return value;
}

bool TRegistry::ReadBool(const AnsiString& Name) { return ReadInteger(Name) != 0; }

TRegistry::Store& TRegistry::Settings() {
    if (!store_) store_ = std::make_unique<Store>();
    return *store_;
}

bool TRegistry::Save() {
    Settings().settings.sync();
    return Settings().settings.status() == QSettings::NoError;
}

void TRegistry::Discard() { store_.reset(); }

void TRegistry::Write(const AnsiString& Name, const AnsiString& Value) {
    QString key = QString::fromStdString(ValuePath(Name).str());
    bool existed = Settings().settings.contains(key);
    QVariant old = Settings().settings.value(key);
    Settings().settings.setValue(key, QString::fromStdString(Value.str()));
    if (Save()) return;
    // Unsaved changes are shared by every settings object of the file: put
    // the old state back so that a later save does not store this one.
    if (existed) Settings().settings.setValue(key, old);
    else Settings().settings.remove(key);
    Discard();
    throw ERegistryException("Failed to set data for '" + Name + "'");
}

void TRegistry::WriteString(const AnsiString& Name, const AnsiString& Value) { Write(Name, Value); }
void TRegistry::WriteInteger(const AnsiString& Name, int Value) { Write(Name, IntToStr(Value)); }
void TRegistry::WriteBool(const AnsiString& Name, bool Value) { Write(Name, Value ? "1" : "0"); }
