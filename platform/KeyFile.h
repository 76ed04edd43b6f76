#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// The groups of a freedesktop key file (desktop entries, mimeapps.list): group
// name to keys to raw values. Comments and malformed lines are skipped; of a
// key given twice in one group the first counts.
using KeyFileGroup = QHash<QString, QString>;
using KeyFile = QHash<QString, KeyFileGroup>;

KeyFile ParseKeyFile(const QByteArray& text);

// A string value with its escapes (\s \n \t \r \\) resolved.
QString UnescapeKeyFileValue(const QString& value);

// The items of a list value, separated by ";", empty items dropped.
QStringList KeyFileList(const QString& value);
