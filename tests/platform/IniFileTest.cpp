#include "platform/IniFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

struct IntegerCase {
    const char* text;
    std::optional<qint32> expected;
};

TEST(IniInteger, ReadsDecimalAndHexadecimalFormsOnly) {
    const IntegerCase cases[] = {
        {"80", 80},
        {"-5", -5},
        {"+7", 7},
        {" 42 ", 42},
        {"0x64", 100},
        {"0X64", 100},
        {"$FF0000", 16711680},
        {"$ff", 255},
        {"$80000005", qint32(0x80000005u)}, // a system colour keeps its bit pattern
        {"-2147483648", INT_MIN},
        {"2147483647", INT_MAX},
        {"2147483648", std::nullopt},
        {"$1FFFFFFFF", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"0x1G", std::nullopt},
        {"1e3", std::nullopt},
        {"\xd9\xa3", std::nullopt}, // a digit of another script
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(parseIniInteger(QString::fromUtf8(c.text)), c.expected) << c.text;
}

struct FindCase {
    const char* text;
    const char* section;
    const char* key;
    std::optional<QString> expected;
};

TEST(IniText, FindsValuesIgnoringLetterCase) {
    const FindCase cases[] = {
        {"[OPTIONS]\r\nThumbW=90\r\n", "OPTIONS", "ThumbW", "90"},
        {"[options]\r\nthumbw=90\r\n", "OPTIONS", "ThumbW", "90"},
        {"[OPTIONS]\nThumbW = 90 \n", "options", "THUMBW", "90"},
        {"\xEF\xBB\xBF[OPTIONS]\r\nThumbW=90", "OPTIONS", "ThumbW", "90"},
        {"[NORMAL]\r\nPath=/home/ann/Drawings/a=b\r\n", "NORMAL", "Path", "/home/ann/Drawings/a=b"},
        {"[NORMAL]\r\nPath=\r\n", "NORMAL", "Path", ""},
        {"[NORMAL]\r\nPath=/tmp/\xe5\x9b\xbe\xe7\xba\xb8\r\n", "NORMAL", "Path",
         QString::fromUtf8("/tmp/\xe5\x9b\xbe\xe7\xba\xb8")},
        {"[NORMAL]\r\nThumbW=90\r\n[OPTIONS]\r\n", "OPTIONS", "ThumbW", std::nullopt},
        {"ThumbW=90\r\n[OPTIONS]\r\n", "OPTIONS", "ThumbW", std::nullopt},
        {"[OPTIONS]\r\n;ThumbW=70\r\n", "OPTIONS", "ThumbW", std::nullopt},
        {"[OPTIONS]\r\nThumbW=70\r\nThumbW=60\r\n", "OPTIONS", "ThumbW", "70"},
        {"[OPTIONS]\r\nThumbW=70\r\n[OPTIONS]\r\nThumbW=60\r\n", "OPTIONS", "ThumbW", "70"},
        {"[OPTIONS]\r\nThumbWidth=70\r\n", "OPTIONS", "ThumbW", std::nullopt},
        {"", "OPTIONS", "ThumbW", std::nullopt},
        {"[OPTIONS\r\nThumbW=70\r\n", "OPTIONS", "ThumbW", std::nullopt},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(findIniValue(c.text, QString::fromUtf8(c.section), QString::fromUtf8(c.key)),
                  c.expected)
            << c.text;
}

struct UpdateCase {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
};

TEST(IniText, UpdatesInPlaceAndAddsWhatIsMissingAtTheEnd) {
    const UpdateCase cases[] = {
        // a new text
        {"", "NORMAL", "Path", "/tmp/", "[NORMAL]\r\nPath=/tmp/\r\n"},
        // a present key keeps its place and its spelling; other lines stay as they are
        {"; mine\r\n[options]\r\nthumbw=90\r\nOther=1\r\n", "OPTIONS", "ThumbW", "80",
         "; mine\r\n[options]\r\nthumbw=80\r\nOther=1\r\n"},
        {"[A]\nx = 1\n", "A", "X", "2", "[A]\nx =2\n"},
        // a missing key goes after the last filled line of its section
        {"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
         "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        {"[A]\r\nx=1", "a", "z", "3", "[A]\r\nx=1\r\nz=3\r\n"},
        {"[A]\r\n", "A", "z", "3", "[A]\r\nz=3\r\n"},
        // a missing section goes to the end of the text
        {"; note", "S", "k", "v", "; note\r\n[S]\r\nk=v\r\n"},
        {"[A]\nx=1\n", "S", "k", "v", "[A]\nx=1\n[S]\r\nk=v\r\n"},
        // a value never becomes two lines
        {"", "S", "k", "a\r\n[X]\nb", "[S]\r\nk=a[X]b\r\n"},
    };
    for (const UpdateCase& c : cases)
        EXPECT_EQ(withIniValue(c.before, QString::fromUtf8(c.section), QString::fromUtf8(c.key),
                               QString::fromUtf8(c.value)),
                  QByteArray(c.after))
            << c.before;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void putContents(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class IniFileOnDisk : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath("Tessvane.ini"); }
};

TEST_F(IniFileOnDisk, MissingFileGivesFallbacksAndFirstWriteCreatesIt) {
    IniFile ini(path());
    EXPECT_EQ(ini.readInteger(u"OPTIONS", u"ThumbW", 80), 80);
    EXPECT_TRUE(ini.readBool(u"OPTIONS", u"ShowHidden", true));
    EXPECT_EQ(ini.readString(u"NORMAL", u"Path", "x"), "x");

    ini.writeString(u"NORMAL", u"Path", "/tmp/d/");
    ini.writeInteger(u"NORMAL", u"ViewType", 2);
    ini.writeBool(u"OPTIONS", u"LoadAllFile", true);
    ini.writeInteger(u"OPTIONS", u"BkColor", -2147483643);
    EXPECT_EQ(contents(path()), "[NORMAL]\r\nPath=/tmp/d/\r\nViewType=2\r\n"
                                "[OPTIONS]\r\nLoadAllFile=1\r\nBkColor=-2147483643\r\n");
    EXPECT_EQ(ini.readString(u"normal", u"path", ""), "/tmp/d/");
    EXPECT_EQ(ini.readInteger(u"OPTIONS", u"BkColor", 0), -2147483643);
}

TEST_F(IniFileOnDisk, BooleansAreIntegers) {
    putContents(path(), "[OPTIONS]\r\nA=2\r\nB=0\r\nC=-1\r\nD=yes\r\n");
    const IniFile ini(path());
    EXPECT_TRUE(ini.readBool(u"OPTIONS", u"A", false));
    EXPECT_FALSE(ini.readBool(u"OPTIONS", u"B", true));
    EXPECT_TRUE(ini.readBool(u"OPTIONS", u"C", false));
    EXPECT_FALSE(ini.readBool(u"OPTIONS", u"D", false));
    EXPECT_TRUE(ini.readBool(u"OPTIONS", u"D", true));
}

TEST_F(IniFileOnDisk, ReadOnlyFileRaisesTheErrorAndStaysUnchanged) {
    const QByteArray before = "[NORMAL]\r\nPath=/old/\r\n; kept\r\n";
    putContents(path(), before);
    QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    IniFile ini(path());
    try {
        ini.writeString(u"NORMAL", u"Path", "/new/");
        FAIL() << "the write was not refused";
    } catch (const IniWriteError& error) {
        EXPECT_EQ(QString::fromStdString(error.what()), "Unable to write to " + path());
    }
    EXPECT_EQ(contents(path()), before);
}

TEST_F(IniFileOnDisk, FolderThatDoesNotExistRaisesTheError) {
    IniFile ini(dir.filePath("missing/Tessvane.ini"));
    EXPECT_THROW(ini.writeInteger(u"OPTIONS", u"ThumbW", 80), IniWriteError);
    EXPECT_FALSE(QDir(dir.filePath("missing")).exists());
}

} // namespace

namespace {

// Whatever a file holds, setting a value makes it readable again, and changes nothing
// before the section that receives it.
TEST(IniText, AnyTextTakesAValueAndGivesItBack) {
    const char pieces[][12] = {"[A]",          "[a]",      "x=1",         "X = 2", "\r\n", "\n",
                               "\r",           "=",        ";c",          "[",     "]",    " ",
                               "\xEF\xBB\xBF", "\xff\xfe", "\xe5\x9b\xbe"};
    quint32 seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    for (int round = 0; round < 2000; ++round) {
        QByteArray text;
        const int count = next() % 12;
        for (int i = 0; i < count; ++i)
            text += pieces[next() % std::size(pieces)];
        const QByteArray updated = withIniValue(text, u"a", u"x", "v");
        ASSERT_EQ(findIniValue(updated, u"A", u"X"), QString("v")) << text.toHex().constData();
        const qsizetype section = text.toLower().indexOf("[a]");
        if (section >= 0)
            ASSERT_TRUE(updated.startsWith(text.left(section))) << text.toHex().constData();
        ASSERT_EQ(withIniValue(updated, u"a", u"x", "v"), updated) << text.toHex().constData();
    }
}

} // namespace
