#pragma once

#include <QString>

// The product's home page for each interface language.
inline const QString kEnglishHomePage = QStringLiteral("https://tessvane.org/");
inline const QString kChineseHomePage = QStringLiteral("https://tessvane.org/zh-cn/");
