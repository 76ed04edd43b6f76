#pragma once

#include <QString>

// The address of a home page installed with the program: the file URL of FileName in the
// "docs" folder beside the program (the build tree, or a copied program) when it is there,
// otherwise in "share/tessvane/docs" of the prefix the program is installed under.
// ProgramFolder ends in "/".
QString HomePageAddress(const QString& programFolder, const QString& fileName);

// A home page of the program. Its address depends on where the running program lies, so it
// is worked out each time the page is read as a text.
class HomePage {
public:
    explicit constexpr HomePage(const char* fileName) : fileName(fileName) {}
    operator QString() const;

private:
    const char* fileName;
};

// The product's home page for each interface language.
inline constexpr HomePage kEnglishHomePage("home.htm");
inline constexpr HomePage kChineseHomePage("home.zh_CN.htm");
