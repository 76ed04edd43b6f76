#pragma once

#include <QString>

// A thumbnail cell's info string: the item's path, then three details, all
// separated by "|". Each detail is empty or a column caption, ": " and the value,
// e.g. /home/ann/plan.dwg|Size: 58 KB|Type: DWG File|Modified: 2008-5-12 9:30.

struct ThumbInfo {
    QString Path;
    QString Detail1;
    QString Detail2;
    QString Detail3;
};

// The text before the first "|", or the whole text when it has none.
QString InfoPath(const QString& Text);

// Replaces Text by what follows its first ":" (the blank after it stays);
// leaves it alone when it has no ":".
void StripLabel(QString& Text);

// The path and the three detail values, labels stripped. Further "|" stay in
// the third detail.
ThumbInfo SplitThumbInfo(const QString& Info);

// The separator that puts each detail of a hint on a line of its own.
inline constexpr QLatin1StringView HintLineBreak("\n");

// The non-empty details, labels kept, each preceded by HintLineBreak.
QString ThumbHintText(const QString& Info);
