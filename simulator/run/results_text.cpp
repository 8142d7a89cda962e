// Header, rows and the number format of the results window.
#include "results_text.h"

#include "extended_precision.h"

#include <algorithm>
#include <charconv>

std::wstring formatGeneral15(double value, wchar_t decimalSeparator)
{
    // -0 shows as 0, as the rows write it.
    if (value == 0)
        value = 0;
    // printf's %.15G, but locale-free: the separator is the user's, the exponent
    // without its sign's plus and its leading zeros ("1E-5", "1,5E15").
    char buffer[32];
    const char* const end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    const char* const exponent = std::find(static_cast<const char*>(buffer), end, 'e');
    std::wstring text;
    for (const char* c = buffer; c != exponent; ++c)
        text += *c == '.' ? decimalSeparator : static_cast<wchar_t>(*c);
    if (exponent != end) {
        int power = 0;
        std::from_chars(exponent + (exponent[1] == '+' ? 2 : 1), end, power);
        text += L'E' + std::to_wstring(power);
    }
    return text;
}

std::wstring formatPercent(double fraction, wchar_t decimalSeparator)
{
    auto percent = static_cast<double>(extendedProduct(fraction, 100.0L));
    return formatGeneral15(percent, decimalSeparator);
}

std::wstring resultsHeader(std::int32_t xsize, std::int32_t ysize, std::int32_t trials)
{
    return L"Rozmiar lasu: " + std::to_wstring(xsize) + L" x " + std::to_wstring(ysize) +
           L"\r\nLiczba prób: " + std::to_wstring(trials) +
           L"\r\n---------------\r\n1 - Gęstość lasu\r\n2 - Czas pożaru\r\n3 - Spłonięcie drzewostanu"
           L"\r\n---------------\r\n1\t2\t3\r\n---------------\r\n";
}

std::wstring resultsRow(double density, std::int32_t fireTime, double burntFraction, wchar_t decimalSeparator)
{
    return formatPercent(density, decimalSeparator) + L"%\t" + std::to_wstring(fireTime) + L"\t" +
           formatPercent(burntFraction, decimalSeparator) + L"%\r\n";
}
