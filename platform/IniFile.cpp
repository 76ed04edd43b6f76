#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

const QByteArray kLineEnd = "\r\n";

struct IniLine {
    QByteArray text;   // without its line ending
    QByteArray ending; // "\r\n", "\n" or empty for a last line without one
};

QList<IniLine> splitLines(const QByteArray& text) {
    QList<IniLine> lines;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype newline = text.indexOf('\n', pos);
        if (newline < 0) {
            lines.append({text.mid(pos), {}});
            break;
        }
        qsizetype end = newline;
        if (end > pos && text[end - 1] == '\r')
            --end;
        lines.append({text.mid(pos, end - pos), text.mid(end, newline + 1 - end)});
        pos = newline + 1;
    }
    return lines;
}

QByteArray joinLines(const QList<IniLine>& lines) {
    QByteArray text;
    for (const IniLine& line : lines)
        text += line.text + line.ending;
    return text;
}

QString lineText(const IniLine& line) {
    QString text = QString::fromUtf8(line.text);
    if (text.startsWith(QChar(0xFEFF))) // a byte order mark in front of the first line
        text.remove(0, 1);
    return text;
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

std::optional<QString> sectionName(const IniLine& line) {
    const QString text = lineText(line).trimmed();
    const qsizetype close = text.indexOf(u']');
    if (!text.startsWith(u'[') || close < 0)
        return std::nullopt;
    return text.mid(1, close - 1).trimmed();
}

bool isComment(const QString& trimmedText) {
    return trimmedText.startsWith(u';') || trimmedText.startsWith(u'#');
}

// The position of the '=' of a key line, or -1 for any other line.
qsizetype keySeparator(const QString& text) {
    if (isComment(text.trimmed()))
        return -1;
    const qsizetype equals = text.indexOf(u'=');
    if (equals <= 0 || text.left(equals).trimmed().isEmpty())
        return -1;
    return equals;
}

struct IniLocation {
    qsizetype sectionLine = -1; // the header of the section's first occurrence
    qsizetype keyLine = -1;     // the key's first line in that section
    qsizetype lastFilled = -1;  // the section's last line that is not blank
};

IniLocation locate(const QList<IniLine>& lines, QStringView section, QStringView key) {
    IniLocation where;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (where.sectionLine >= 0)
                break;
            if (sameName(*name, section))
                where.sectionLine = where.lastFilled = i;
            continue;
        }
        if (where.sectionLine < 0)
            continue;
        const QString text = lineText(lines[i]);
        if (!text.trimmed().isEmpty())
            where.lastFilled = i;
        const qsizetype equals = keySeparator(text);
        if (where.keyLine < 0 && equals > 0 && sameName(text.left(equals).trimmed(), key))
            where.keyLine = i;
    }
    return where;
}

// A value never spills onto a second line, which would add keys or sections of its own.
QByteArray singleLine(const QString& value) {
    QString text = value;
    text.remove(u'\r');
    text.remove(u'\n');
    return text.toUtf8();
}

void endLastLine(QList<IniLine>& lines) {
    if (!lines.isEmpty() && lines.last().ending.isEmpty())
        lines.last().ending = kLineEnd;
}

// A file counts as read-only when nobody may write to it, also for a user (root) whom the
// system would let write anyway: the user marked it so.
bool isReadOnly(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    const auto writeBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !info.isWritable() || !(info.permissions() & writeBits);
}

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (base == 16 && u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (base == 16 && u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

} // namespace

std::optional<qint32> parseIniInteger(QStringView text) {
    QStringView digits = text.trimmed();
    bool negative = false;
    if (!digits.isEmpty() && (digits[0] == u'+' || digits[0] == u'-')) {
        negative = digits[0] == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u"0x") || digits.startsWith(u"0X")) {
        base = 16;
        digits = digits.mid(2);
    } else if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    }
    if (digits.isEmpty())
        return std::nullopt;
    quint64 number = 0;
    for (const QChar c : digits) {
        const int value = digitValue(c, base);
        if (value < 0)
            return std::nullopt;
        number = number * base + value;
        if (number > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (base == 10) {
        if (number > (negative ? 0x80000000ull : 0x7FFFFFFFull))
            return std::nullopt;
        return static_cast<qint32>(negative ? -static_cast<qint64>(number)
                                            : static_cast<qint64>(number));
    }
    const quint32 bits = static_cast<quint32>(number);
    return static_cast<qint32>(negative ? 0u - bits : bits);
}

std::optional<QString> findIniValue(const QByteArray& text, QStringView section, QStringView key) {
    const QList<IniLine> lines = splitLines(text);
    const IniLocation where = locate(lines, section, key);
    if (where.keyLine < 0)
        return std::nullopt;
    const QString line = lineText(lines[where.keyLine]);
    return line.mid(keySeparator(line) + 1).trimmed();
}

QByteArray withIniValue(const QByteArray& text, QStringView section, QStringView key,
                        const QString& value) {
    QList<IniLine> lines = splitLines(text);
    const IniLocation where = locate(lines, section, key);
    const QByteArray encodedValue = singleLine(value);
    if (where.keyLine >= 0) {
        IniLine& line = lines[where.keyLine];
        // Keep the key as it is written there; only the value changes.
        line.text = line.text.left(line.text.indexOf('=') + 1) + encodedValue;
        return joinLines(lines);
    }
    const IniLine keyLine{key.toString().toUtf8() + '=' + encodedValue, kLineEnd};
    if (where.sectionLine >= 0) {
        if (where.lastFilled == lines.size() - 1)
            endLastLine(lines);
        lines.insert(where.lastFilled + 1, keyLine);
        return joinLines(lines);
    }
    endLastLine(lines);
    lines.append({'[' + section.toString().toUtf8() + ']', kLineEnd});
    lines.append(keyLine);
    return joinLines(lines);
}

IniWriteError::IniWriteError(const QString& path)
    : std::runtime_error(QStringLiteral("Unable to write to %1").arg(path).toStdString()) {}

std::optional<QString> IniFile::readValue(QStringView section, QStringView key) const {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return findIniValue(file.readAll(), section, key);
}

QString IniFile::readString(QStringView section, QStringView key, const QString& fallback) const {
    return readValue(section, key).value_or(fallback);
}

qint32 IniFile::readInteger(QStringView section, QStringView key, qint32 fallback) const {
    const std::optional<QString> value = readValue(section, key);
    if (!value)
        return fallback;
    return parseIniInteger(*value).value_or(fallback);
}

bool IniFile::readBool(QStringView section, QStringView key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

void IniFile::writeString(QStringView section, QStringView key, const QString& value) {
    QByteArray current;
    if (QFileInfo::exists(filePath)) {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            throw IniWriteError(filePath);
        current = file.readAll();
    }
    if (isReadOnly(filePath))
        throw IniWriteError(filePath);
    // The new text goes to a temporary file that replaces the old one only when complete,
    // so a full disk or a failing write never leaves a half-written file. Where the folder
    // takes no new files but the file itself may be written, it is written in place.
    QSaveFile file(filePath);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        throw IniWriteError(filePath);
    const QByteArray updated = withIniValue(current, section, key, value);
    if (file.write(updated) != updated.size() || !file.commit())
        throw IniWriteError(filePath);
}

void IniFile::writeInteger(QStringView section, QStringView key, qint32 value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(QStringView section, QStringView key, bool value) {
    writeInteger(section, key, value ? 1 : 0);
}
