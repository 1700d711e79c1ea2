#pragma once
// The text of the settings file, which people also write by hand: "[section]"
// lines and "name=value" lines, read and written here so that a value is the
// text after its "=" (commas, semicolons and all).
//
// A key "A/B/name" is the line "name=..." in section [A\B] (a file may also
// put it in [A] as "B\name=..."), a key without a group is in [General]; in
// names every character but letters, digits, "_", "-" and "." is written %XX
// (%UXXXX above U+00FF).
// Lines starting with ";" or "#" are comments. A value is taken from the
// first character after "=" to the end of the line, blanks around it
// dropped; only a value wholly in double quotes is read as a quoted one, with
// \\, \", \n, \r, \t and \xHH standing for their characters. The program
// writes a value in quotes only when it would not read back otherwise
// (blanks at either end, line breaks and other control characters, a leading
// double quote). For platform/host alone: it brings Qt along.

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QVariant>

// Full key ("Software/Halvorsk/Velmora/init/initOpenDir") to its text.
using TSettingsMap = QMap<QString, QVariant>;

// Every value of the file; lines that are neither section, comment nor
// "name=value" are passed over.
TSettingsMap ParseSettingsFile(const QByteArray& Text);
QByteArray FormatSettingsFile(const TSettingsMap& Values);
