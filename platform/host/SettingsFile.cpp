// Reading and writing the settings file's text: sections, names and values
// as people write them by hand.
#include "platform/host/SettingsFile.h"

#include <QStringList>

#include <string>
#include <string_view>

namespace {

const char* const kHexDigits = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The number the Count hex digits at Text's start write; -1 when they are not all there.
int HexNumber(std::string_view Text, std::size_t Count) {
    if (Text.size() < Count) return -1;
    int value = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        const int digit = HexValue(Text[i]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

std::string_view TrimBlanks(std::string_view Text) {
    while (!Text.empty() && (Text.front() == ' ' || Text.front() == '\t')) Text.remove_prefix(1);
    while (!Text.empty() && (Text.back() == ' ' || Text.back() == '\t' || Text.back() == '\r')) Text.remove_suffix(1);
    return Text;
}

bool EqualsIgnoringCase(std::string_view A, std::string_view B) {
    if (A.size() != B.size()) return false;
    for (std::size_t i = 0; i < A.size(); ++i)
        if ((A[i] | 0x20) != (B[i] | 0x20)) return false;
    return true;
}

// Names and sections: "\" separates groups, %XX and %UXXXX are characters,
// anything else is UTF-8 text.
QString UnescapeName(std::string_view Text) {
    QString out;
    std::string run;
    auto flush = [&] {
        out += QString::fromStdString(run);
        run.clear();
    };
    for (std::size_t i = 0; i < Text.size(); ++i) {
        const char c = Text[i];
        int code = -1;
        if (c == '%' && i + 1 < Text.size() && Text[i + 1] == 'U') {
            code = HexNumber(Text.substr(i + 2), 4);
            if (code >= 0) i += 5;
        } else if (c == '%') {
            code = HexNumber(Text.substr(i + 1), 2);
            if (code >= 0) i += 2;
        }
        if (code >= 0 || c == '\\') {
            flush();
            out += code >= 0 ? QChar(static_cast<char16_t>(code)) : QChar('/');
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

QByteArray EscapeName(const QString& Name) {
    QByteArray out;
    for (QChar ch : Name) {
        const char16_t c = ch.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                   c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(c >> shift) & 0xF];
        }
    }
    return out;
}

// "A//B/" and "/A/B" are "A/B", as the settings object keeps its keys.
QString NormalKey(const QString& Key) { return Key.split('/', Qt::SkipEmptyParts).join('/'); }

QString SectionOf(std::string_view Header) {
    if (EqualsIgnoringCase(Header, "general")) return QString();
    // A group of that name itself is written "%General".
    if (EqualsIgnoringCase(Header, "%general")) return QString::fromStdString(std::string(Header.substr(1)));
    return NormalKey(UnescapeName(Header));
}

// The text inside a quoted value.
std::string Unquote(std::string_view Text) {
    std::string out;
    for (std::size_t i = 0; i < Text.size(); ++i) {
        if (Text[i] != '\\' || i + 1 == Text.size()) {
            out += Text[i];
            continue;
        }
        const char next = Text[i + 1];
        const int code = next == 'x' ? HexNumber(Text.substr(i + 2), 2) : -1;
        if (next == '\\' || next == '"') out += next;
        else if (next == 'n') out += '\n';
        else if (next == 'r') out += '\r';
        else if (next == 't') out += '\t';
        else if (code >= 0) out += static_cast<char>(code);
        else {
            // Not one of ours: the backslash is the user's text.
            out += '\\';
            continue;
        }
        i += code >= 0 ? 3 : 1;
    }
    return out;
}

std::string ValueOf(std::string_view Text) {
    if (Text.size() >= 2 && Text.front() == '"' && Text.back() == '"') return Unquote(Text.substr(1, Text.size() - 2));
    return std::string(Text);
}

bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }

// The value as it stands when that reads back the same, else quoted.
QByteArray ValueText(const QByteArray& Value) {
    bool quote = !Value.isEmpty() && (Value.front() == ' ' || Value.front() == '\t' || Value.back() == ' ' ||
                                      Value.back() == '\t' || Value.front() == '"');
    for (char c : Value) quote = quote || IsControl(c);
    if (!quote) return Value;
    QByteArray out = "\"";
    for (char c : Value) {
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (IsControl(c)) {
            out += "\\x";
            out += kHexDigits[(c >> 4) & 0xF];
            out += kHexDigits[c & 0xF];
        } else {
            out += c;
        }
    }
    return out + '"';
}

}  // namespace

TSettingsMap ParseSettingsFile(const QByteArray& Text) {
    TSettingsMap values;
    std::string_view rest(Text.constData(), static_cast<std::size_t>(Text.size()));
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    QString section;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = TrimBlanks(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section = SectionOf(TrimBlanks(line.substr(1, close == std::string_view::npos ? close : close - 1)));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        const QString name = NormalKey(UnescapeName(TrimBlanks(line.substr(0, equals))));
        if (name.isEmpty()) continue;
        const QString key = section.isEmpty() ? name : section + '/' + name;
        values.insert(key, QString::fromStdString(ValueOf(TrimBlanks(line.substr(equals + 1)))));
    }
    return values;
}

QByteArray FormatSettingsFile(const TSettingsMap& Values) {
    // Each section's lines, [General] (the empty name) first.
    QMap<QString, QByteArray> sections;
    for (auto it = Values.cbegin(); it != Values.cend(); ++it) {
        const QString& key = it.key();
        const qsizetype slash = key.lastIndexOf('/');
        const QString section = slash < 0 ? QString() : key.left(slash);
        sections[section] += EscapeName(slash < 0 ? key : key.mid(slash + 1)) + '=' +
                             ValueText(it.value().toString().toUtf8()) + '\n';
    }
    QByteArray out;
    for (auto it = sections.cbegin(); it != sections.cend(); ++it) {
        if (!out.isEmpty()) out += '\n';
        const QString& name = it.key();
        QByteArray header = name.isEmpty() ? QByteArray("General") : EscapeName(name);
        if (header.compare("general", Qt::CaseInsensitive) == 0 && !name.isEmpty()) header.prepend('%');
        out += '[' + header + "]\n" + it.value();
    }
    return out;
}
