#include "platform/NaturalOrder.h"

namespace {

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// Compares the digit runs starting at a[i] and b[j] by value; advances both past them.
int compareNumbers(const QString& a, qsizetype& i, const QString& b, qsizetype& j) {
    while (i < a.size() && a[i] == u'0') {
        ++i;
    }
    while (j < b.size() && b[j] == u'0') {
        ++j;
    }
    const qsizetype startA = i;
    const qsizetype startB = j;
    while (i < a.size() && isDigit(a[i])) {
        ++i;
    }
    while (j < b.size() && isDigit(b[j])) {
        ++j;
    }
    if (i - startA != j - startB) {
        return i - startA < j - startB ? -1 : 1;
    }
    return QStringView(a).mid(startA, i - startA).compare(QStringView(b).mid(startB, j - startB));
}

} // namespace

int naturalCompare(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const int byValue = compareNumbers(a, i, b, j);
            if (byValue != 0) {
                return byValue;
            }
            continue;
        }
        const char16_t letterA = a[i].toCaseFolded().unicode();
        const char16_t letterB = b[j].toCaseFolded().unicode();
        if (letterA != letterB) {
            return letterA < letterB ? -1 : 1;
        }
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) {
        return i < a.size() ? 1 : -1;
    }
    // Equal apart from case and leading zeros: keep a fixed order all the same.
    return QString::compare(a, b, Qt::CaseSensitive);
}
