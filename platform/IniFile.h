#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>
#include <stdexcept>

// INI text in the classic form: "[Section]" lines, "Key=Value" lines, lines ending in CR LF.
// Section and key names match without regard to letter case. Updating a value rewrites only
// the line that holds it; a missing key goes to the end of its section and a missing section
// to the end of the text. Every other line (comments, blank lines, unknown sections and keys)
// is kept byte for byte, line endings included.

// Integer forms accepted when reading: an optional sign followed by decimal digits, or by
// hexadecimal digits after "0x", "0X" or "$". Hexadecimal numbers of up to 32 bits keep
// their bit pattern (so "$80000005" reads as a negative number). Anything else is no
// integer.
std::optional<qint32> parseIniInteger(QStringView text);

// The value of Key in Section of an INI text, with the blanks around it removed, or nothing
// when the section or the key is missing. The first occurrence wins.
std::optional<QString> findIniValue(const QByteArray& text, QStringView section, QStringView key);

// The text with Key of Section set to Value (see above for where the line goes).
QByteArray withIniValue(const QByteArray& text, QStringView section, QStringView key,
                        const QString& value);

// Raised when a value cannot be written; the message names the file.
class IniWriteError : public std::runtime_error {
public:
    explicit IniWriteError(const QString& path);
};

// One INI file on disk, UTF-8. Every read opens the file anew and every write goes to the
// file at once. A failed write leaves the file exactly as it was.
class IniFile {
public:
    explicit IniFile(QString path) : filePath(std::move(path)) {}

    const QString& path() const { return filePath; }

    QString readString(QStringView section, QStringView key, const QString& fallback) const;
    // Values that are no integer (see parseIniInteger) give the fallback.
    qint32 readInteger(QStringView section, QStringView key, qint32 fallback) const;
    // Booleans are integers: 0 is false, any other integer true.
    bool readBool(QStringView section, QStringView key, bool fallback) const;

    // These raise IniWriteError ("Unable to write to <path>") when the file cannot be written.
    void writeString(QStringView section, QStringView key, const QString& value);
    void writeInteger(QStringView section, QStringView key, qint32 value);
    void writeBool(QStringView section, QStringView key, bool value);

private:
    std::optional<QString> readValue(QStringView section, QStringView key) const;

    QString filePath;
};
