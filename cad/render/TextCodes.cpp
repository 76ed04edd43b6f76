#include "cad/render/TextCodes.h"

#include <QStringList>

#include <charconv>
#include <cmath>
#include <numbers>

namespace cad::render {

QString decodeSpecialCodes(const QString& in) {
    QString out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        if (in[i] != '%' || i + 2 >= in.size() || in[i + 1] != '%') {
            out += in[i];
            continue;
        }
        const QChar code = in[i + 2].toLower();
        if (code == 'd') {
            out += QChar(0x00B0);
        } else if (code == 'p') {
            out += QChar(0x00B1);
        } else if (code == 'c') {
            out += QChar(0x2300);
        } else if (code == '%') {
            out += '%';
        } else if (code == 'u' || code == 'o' || code == 'k') {
            // underline, overline, strike-through switches: not drawn
        } else if (code.isDigit()) {
            int value = 0, digits = 0;
            while (digits < 3 && i + 2 + digits < in.size() && in[i + 2 + digits].isDigit())
                value = value * 10 + in[i + 2 + digits++].digitValue();
            if (value > 0)
                out += QChar(value);
            i += digits - 1;
        } else {
            out += in.mid(i, 3);
        }
        i += 2;
    }
    return out;
}

QString decodeSpecialCodes(std::string_view utf8) {
    return decodeSpecialCodes(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}

namespace {

constexpr std::size_t kMaxGroupDepth = 64;

double toDouble(const QString& s, double fallback) {
    bool ok = false;
    const double v = s.trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : fallback;
}

class MTextParser {
public:
    MTextParser(const QString& text, const MTextFormat& base, const FontResolver& fonts)
        : in_(text), fonts_(fonts) {
        stack_.push_back(base);
        paragraphs_.emplace_back();
    }

    std::vector<MTextParagraph> run() {
        while (pos_ < in_.size()) {
            const QChar c = in_[pos_++];
            if (c == '\\')
                escape();
            else if (c == '{')
                openGroup();
            else if (c == '}')
                closeGroup();
            else if (c == '^' && pos_ < in_.size())
                caret(in_[pos_++]);
            else
                text_ += c;
        }
        flush();
        return std::move(paragraphs_);
    }

private:
    MTextFormat& format() { return stack_.back(); }

    void flush() {
        if (text_.isEmpty())
            return;
        MTextParagraph& paragraph = paragraphs_.back();
        paragraph.push_back({decodeSpecialCodes(text_), format()});
        text_.clear();
    }
    void newParagraph() {
        flush();
        paragraphs_.emplace_back();
    }
    // Changes the format: the text so far keeps the old one.
    MTextFormat& changeFormat() {
        flush();
        return format();
    }
    void openGroup() {
        flush();
        // Deeper nesting than any real text has keeps the format it is in.
        if (stack_.size() < kMaxGroupDepth)
            stack_.push_back(stack_.back());
    }
    void closeGroup() {
        flush();
        if (stack_.size() > 1)
            stack_.pop_back();
    }
    void caret(QChar c) {
        if (c == 'J')
            newParagraph();
        else if (c == 'I')
            text_ += "    ";
        else if (c == ' ')
            text_ += '^';
        else
            text_ += c; // a control character written as ^ and a letter: keep the letter
    }

    // The argument of a code, up to its ';' (or the end).
    QString argument() {
        const qsizetype end = in_.indexOf(';', pos_);
        const qsizetype stop = end < 0 ? in_.size() : end;
        QString arg = in_.mid(pos_, stop - pos_);
        pos_ = end < 0 ? in_.size() : end + 1;
        return arg;
    }

    void escape() {
        if (pos_ >= in_.size())
            return;
        const QChar code = in_[pos_++];
        switch (code.unicode()) {
        case 'P':
        case 'N':
        case 'X':
            newParagraph();
            break;
        case '~':
            text_ += QChar(0x00A0);
            break;
        case '\\':
        case '{':
        case '}':
            text_ += code;
            break;
        case 'H':
            heightCode(argument());
            break;
        case 'W':
            changeFormat().widthFactor = std::clamp(toDouble(argument(), 1), 0.01, 100.0);
            break;
        case 'Q':
            changeFormat().oblique = toDouble(argument(), 0) * std::numbers::pi / 180;
            break;
        case 'C':
            changeFormat().color = Color::fromColorNumber(int(toDouble(argument(), 256)));
            break;
        case 'c':
            trueColor(argument());
            break;
        case 'f':
        case 'F':
            fontCode(argument(), code == 'F');
            break;
        case 'S':
            text_ += stacked(argument());
            break;
        case 'U':
            unicodeEscape();
            break;
        case 'T':
        case 'A':
        case 'p':
            argument(); // tracking, vertical alignment, paragraph layout
            break;
        default:
            break; // \L \l \O \o \K \k and unknown switches
        }
    }

    void heightCode(const QString& arg) {
        const bool relative = arg.endsWith('x') || arg.endsWith('X');
        const double value = toDouble(relative ? arg.chopped(1) : arg, 0);
        if (!(value > 0))
            return;
        MTextFormat& f = changeFormat();
        f.height = relative ? f.height * value : value;
    }
    void trueColor(const QString& arg) {
        const auto value = std::uint32_t(toDouble(arg, 0));
        // The value stores red in its lowest byte.
        changeFormat().color = Color::fromRgb(std::uint8_t(value), std::uint8_t(value >> 8),
                                              std::uint8_t(value >> 16));
    }
    void fontCode(const QString& arg, bool shapeFile) {
        const QStringList parts = arg.split('|');
        bool bold = false, italic = false;
        for (qsizetype i = 1; i < parts.size(); ++i) {
            bold = bold || parts[i] == "b1";
            italic = italic || parts[i] == "i1";
        }
        const QString name = parts.value(0).trimmed();
        if (name.isEmpty() || !fonts_)
            return;
        changeFormat().font = shapeFile ? fonts_(name, QString(), bold, italic)
                                        : fonts_(QString(), name, bold, italic);
    }
    static QString stacked(const QString& arg) {
        QString out = arg;
        for (const char separator : {'^', '#'})
            out.replace(QChar(separator), QChar('/'));
        return out.trimmed();
    }
    void unicodeEscape() {
        if (pos_ + 5 > in_.size() || in_[pos_] != '+') {
            text_ += "\\U";
            return;
        }
        bool ok = false;
        const uint value = in_.mid(pos_ + 1, 4).toUInt(&ok, 16);
        if (!ok) {
            text_ += "\\U";
            return;
        }
        text_ += QChar(char16_t(value));
        pos_ += 5;
    }

    const QString in_;
    const FontResolver& fonts_;
    qsizetype pos_ = 0;
    QString text_;
    std::vector<MTextFormat> stack_;
    std::vector<MTextParagraph> paragraphs_;
};

} // namespace

std::vector<MTextParagraph> parseMText(std::string_view content, const MTextFormat& base,
                                       const FontResolver& fonts) {
    const QString text = QString::fromUtf8(content.data(), qsizetype(content.size()));
    return MTextParser(text, base, fonts).run();
}

} // namespace cad::render
