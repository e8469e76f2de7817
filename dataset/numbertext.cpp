#include "dataset/numbertext.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <system_error>

namespace {

// Exponents are only needed to tell overflow from underflow; beyond this they saturate.
constexpr int kExponentCap = 1000000;

bool IsNonFiniteWord(QStringView word)
{
    for (const char16_t* name : {u"inf", u"infinity", u"nan"}) {
        if (word.compare(QStringView(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Walks the characters of a cell and copies a valid number into the plain ASCII form
// that std::from_chars reads.
class NumberScanner {
public:
    NumberScanner(QStringView text, bool decimalComma) : text_(text), decimalComma_(decimalComma) {}

    // The ASCII form, or false when the text is not a number.
    bool Scan()
    {
        if (Peek() == u'+' || Peek() == u'-') {
            negative_ = Peek() == u'-';
            if (negative_)
                ascii_ += '-';
            ++pos_;
        }
        ScanIntegerDigits();
        if (Peek() == u'.' || (decimalComma_ && Peek() == u',')) {
            ascii_ += '.';
            ++pos_;
            ScanFractionDigits();
        }
        if (!anyDigit_)
            return false;
        if ((Peek() == u'e' || Peek() == u'E') && !ScanExponent())
            return false;
        return pos_ == text_.size();
    }

    const std::string& Ascii() const { return ascii_; }
    bool Negative() const { return negative_; }

    // The decimal exponent of the leading non-zero digit plus one: positive for numbers of
    // at least 1 in size. Tells an overflow from an underflow.
    int Magnitude() const
    {
        const int lead = integerSignificant_ > 0 ? integerSignificant_ : -fractionLeadingZeros_;
        return lead + exponent_;
    }

private:
    char16_t Peek() const { return pos_ < text_.size() ? text_[pos_].unicode() : u'\0'; }
    bool PeekDigit() const { return Peek() >= u'0' && Peek() <= u'9'; }
    char TakeDigit()
    {
        const char digit = static_cast<char>(Peek());
        ascii_ += digit;
        anyDigit_ = true;
        ++pos_;
        return digit;
    }

    void ScanIntegerDigits()
    {
        while (PeekDigit()) {
            if (TakeDigit() != '0' || integerSignificant_ > 0)
                ++integerSignificant_;
        }
    }

    void ScanFractionDigits()
    {
        bool significant = integerSignificant_ > 0;
        while (PeekDigit()) {
            const char digit = TakeDigit();
            significant = significant || digit != '0';
            if (!significant)
                ++fractionLeadingZeros_;
        }
    }

    bool ScanExponent()
    {
        ascii_ += 'e';
        ++pos_;
        int sign = 1;
        if (Peek() == u'+' || Peek() == u'-') {
            sign = Peek() == u'-' ? -1 : 1;
            if (sign < 0)
                ascii_ += '-';
            ++pos_;
        }
        if (!PeekDigit())
            return false;
        int value = 0;
        while (PeekDigit())
            value = std::min(kExponentCap, value * 10 + (TakeDigit() - '0'));
        exponent_ = sign * value;
        return true;
    }

    QStringView text_;
    bool decimalComma_;
    qsizetype pos_ = 0;
    std::string ascii_;
    bool negative_ = false;
    bool anyDigit_ = false;
    int integerSignificant_ = 0;
    int fractionLeadingZeros_ = 0;
    int exponent_ = 0;
};

} // namespace

NumberCell ReadNumberCell(QStringView text, bool decimalComma)
{
    text = text.trimmed();
    if (text.isEmpty())
        return {CellKind::Empty};
    const QStringView unsigned_ =
        (text.front() == u'+' || text.front() == u'-') ? text.sliced(1) : text;
    if (IsNonFiniteWord(unsigned_))
        return {CellKind::NotFinite};

    NumberScanner scanner(text, decimalComma);
    if (!scanner.Scan())
        return {CellKind::NotANumber};
    const std::string& ascii = scanner.Ascii();
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (scanner.Magnitude() > 0)
            return {CellKind::NotFinite};
        return {CellKind::Number, scanner.Negative() ? -0.0 : 0.0};
    }
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return {CellKind::NotANumber};
    return {CellKind::Number, value};
}

QString NumberText(double value)
{
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc() ? QString::fromLatin1(buffer, end - buffer) : QString();
}
