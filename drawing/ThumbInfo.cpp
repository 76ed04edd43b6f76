#include "drawing/ThumbInfo.h"

#include <QStringList>

namespace {

constexpr QChar InfoSeparator = u'|';

// Splits `text` at its first "|": `text` keeps what precedes it and the result
// is what follows. Without a "|" the text stays whole and the result is empty.
QString cutAtSeparator(QString& text) {
    const qsizetype at = text.indexOf(InfoSeparator);
    if (at < 0)
        return {};
    QString rest = text.mid(at + 1);
    text.truncate(at);
    return rest;
}

} // namespace

QString InfoPath(const QString& Text) {
    QString path = Text;
    cutAtSeparator(path);
    return path;
}

void StripLabel(QString& Text) {
    const qsizetype colon = Text.indexOf(u':');
    if (colon >= 0)
        Text.remove(0, colon + 1);
}

ThumbInfo SplitThumbInfo(const QString& Info) {
    ThumbInfo info{Info, {}, {}, {}};
    info.Detail1 = cutAtSeparator(info.Path);
    info.Detail2 = cutAtSeparator(info.Detail1);
    info.Detail3 = cutAtSeparator(info.Detail2);
    StripLabel(info.Detail1);
    StripLabel(info.Detail2);
    StripLabel(info.Detail3);
    return info;
}

QString ThumbHintText(const QString& Info) {
    const qsizetype pathEnd = Info.indexOf(InfoSeparator);
    const QString details = pathEnd < 0 ? Info : Info.mid(pathEnd + 1);
    QString hint;
    for (const QString& detail : details.split(InfoSeparator, Qt::SkipEmptyParts))
        hint += HintLineBreak + detail;
    return hint;
}
