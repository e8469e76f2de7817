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
    NumberScanner(QStringView text, bool decimalComma)
        : m_text(text)
        , m_decimalComma(decimalComma)
    {
    }

    // The ASCII form, or false when the text is not a number.
    bool Scan()
    {
        if (Peek() == u'+' || Peek() == u'-') {
            m_negative = Peek() == u'-';
            if (m_negative)
                m_ascii += '-';
            ++m_pos;
        }
        ScanIntegerDigits();
        if (Peek() == u'.' || (m_decimalComma && Peek() == u',')) {
            m_ascii += '.';
            ++m_pos;
            ScanFractionDigits();
        }
        if (!m_anyDigit)
            return false;
        if ((Peek() == u'e' || Peek() == u'E') && !ScanExponent())
            return false;
        return m_pos == m_text.size();
    }

    const std::string& Ascii() const { return m_ascii; }
    bool Negative() const { return m_negative; }

    // The decimal exponent of the leading non-zero digit plus one: positive for numbers of
    // at least 1 in size. Tells an overflow from an underflow.
    int Magnitude() const
    {
        const int lead = m_integerSignificant > 0 ? m_integerSignificant : -m_fractionLeadingZeros;
        return lead + m_exponent;
    }

private:
    char16_t Peek() const { return m_pos < m_text.size() ? m_text[m_pos].unicode() : u'\0'; }
    bool PeekDigit() const { return Peek() >= u'0' && Peek() <= u'9'; }
    char TakeDigit()
    {
        const char digit = static_cast<char>(Peek());
        m_ascii += digit;
        m_anyDigit = true;
        ++m_pos;
        return digit;
    }

    void ScanIntegerDigits()
    {
        while (PeekDigit()) {
            if (TakeDigit() != '0' || m_integerSignificant > 0)
                ++m_integerSignificant;
        }
    }

    void ScanFractionDigits()
    {
        bool significant = m_integerSignificant > 0;
        while (PeekDigit()) {
            const char digit = TakeDigit();
            significant = significant || digit != '0';
            if (!significant)
                ++m_fractionLeadingZeros;
        }
    }

    bool ScanExponent()
    {
        m_ascii += 'e';
        ++m_pos;
        int sign = 1;
        if (Peek() == u'+' || Peek() == u'-') {
            sign = Peek() == u'-' ? -1 : 1;
            if (sign < 0)
                m_ascii += '-';
            ++m_pos;
        }
        if (!PeekDigit())
            return false;
        int value = 0;
        while (PeekDigit())
            value = std::min(kExponentCap, value * 10 + (TakeDigit() - '0'));
        m_exponent = sign * value;
        return true;
    }

    QStringView m_text;
    bool m_decimalComma;
    qsizetype m_pos = 0;
    std::string m_ascii;
    bool m_negative = false;
    bool m_anyDigit = false;
    int m_integerSignificant = 0;
    int m_fractionLeadingZeros = 0;
    int m_exponent = 0;
};

} // namespace

NumberCell ReadNumberCell(QStringView text, bool decimalComma)
{
    text = text.trimmed();
    if (text.isEmpty())
        return {CellKind::Empty};
    const QStringView magnitude = (text.front() == u'+' || text.front() == u'-') ? text.sliced(1) : text;
    if (IsNonFiniteWord(magnitude))
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
