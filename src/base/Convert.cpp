#include "Convert.h"

#include "Errors.h"

std::string LowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

bool TryStrToInt(const std::string& text, int32_t& value)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    unsigned base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return false;
    // Decimal is limited to the signed range; hexadecimal may spell any 32-bit
    // pattern ("$FFFFFFFF" is -1), as the run time has always accepted.
    const uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    uint64_t acc = 0;
    for (; i < n; ++i) {
        const char c = text[i];
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = unsigned(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = unsigned(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = unsigned(c - 'A' + 10);
        else
            return false;
        acc = acc * base + digit;
        if (acc > limit)
            return false;
    }
    const uint32_t bits = uint32_t(acc);
    value = int32_t(negative ? 0u - bits : bits);
    return true;
}

int32_t StrToInt(const std::string& text)
{
    int32_t value;
    if (!TryStrToInt(text, value))
        throw ConvertError("'" + text + "' is not a valid integer value");
    return value;
}
