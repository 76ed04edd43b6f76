#include "platform/KeyFile.h"

#include <QStringList>

KeyFile ParseKeyFile(const QByteArray& text) {
    KeyFile file;
    KeyFileGroup* group = nullptr;
    for (const QByteArray& rawLine : text.split('\n')) {
        const QString line = QString::fromUtf8(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            group = &file[line.mid(1, line.size() - 2)];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!group || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (!group->contains(key))
            group->insert(key, line.mid(equals + 1).trimmed());
    }
    return file;
}

QString UnescapeKeyFileValue(const QString& value) {
    QString result;
    result.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            result += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            result += u' ';
            break;
        case 'n':
            result += u'\n';
            break;
        case 't':
            result += u'\t';
            break;
        case 'r':
            result += u'\r';
            break;
        case '\\':
            result += u'\\';
            break;
        default:
            result += u'\\';
            result += value[i];
            break;
        }
    }
    return result;
}

QStringList KeyFileList(const QString& value) {
    QStringList items = value.split(u';', Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}
