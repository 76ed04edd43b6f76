#include "app/FontSubstitutes.h"

#include <QFont>
#include <QStringList>

void InstallFontSubstitutes() {
    const QStringList cjk = {"Noto Sans CJK SC", "Noto Serif CJK SC", "WenQuanYi Micro Hei",
                             "Droid Sans Fallback"};
    QFont::insertSubstitutions("Tahoma", QStringList{"DejaVu Sans", "Liberation Sans"} + cjk);
    QFont::insertSubstitutions(QString::fromUtf8("宋体"), cjk + QStringList{"DejaVu Sans"});
}
