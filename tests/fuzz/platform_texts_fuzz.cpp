// Fuzz entry point for the texts the platform components take from outside: file lists on
// the clipboard (any program may put bytes there), file filter patterns (from the settings
// file) and the names they are matched against and sorted by.
#include "platform/FileOperations.h"
#include "platform/FolderModel.h"
#include "platform/NaturalOrder.h"

#include <QByteArray>
#include <QMimeData>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    QMimeData clipboard;
    clipboard.setData(QStringLiteral("x-special/gnome-copied-files"), bytes);
    bool cut = false;
    FileOperations::pathsFromMimeData(&clipboard, &cut);
    QMimeData uriList;
    uriList.setData(QStringLiteral("text/uri-list"), bytes);
    FileOperations::pathsFromMimeData(&uriList, &cut);

    // The first line is a filter, the rest names to match and order.
    const QString text = QString::fromUtf8(bytes);
    const qsizetype lineEnd = text.indexOf(u'\n');
    const QString filter = lineEnd < 0 ? text : text.left(lineEnd);
    const QString rest = lineEnd < 0 ? QString() : text.mid(lineEnd + 1);
    const QList<QRegularExpression> patterns = FolderModel::compileFilter(filter);
    const QStringList names = rest.split(u'\n');
    for (qsizetype i = 0; i < names.size(); ++i) {
        FolderModel::matchesFilter(names[i], patterns);
        if (i > 0) {
            const int forward = naturalCompare(names[i - 1], names[i]);
            const int backward = naturalCompare(names[i], names[i - 1]);
            if ((forward < 0) != (backward > 0) || (forward == 0) != (backward == 0)) {
                __builtin_trap(); // the order must be antisymmetric
            }
        }
    }
    return 0;
}
