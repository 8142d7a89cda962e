// Header, rows and the number format of the results window.
#include "results_text.h"

#include "extended_precision.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

std::wstring formatGeneral15(double value, wchar_t decimalSeparator)
{
    if (value == 0)
        return L"0";
    std::wstring text = value < 0 ? L"-" : L"";

    // "d.dddddddddddddde+XX": the 15 significant digits and the decimal exponent.
    char buffer[40];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, std::abs(value), std::chars_format::scientific, 14).ptr;
    std::string digits(1, buffer[0]);
    char* exponentMark = std::find(buffer, end, 'e');
    digits.append(buffer + 2, exponentMark);
    int exponent = 0;
    std::from_chars(exponentMark + (exponentMark[1] == '+' ? 2 : 1), end, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    auto appendDigits = [&](std::string_view part) { text.append(part.begin(), part.end()); };
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += L'0';
            text += decimalSeparator;
            text.append(static_cast<std::size_t>(-exponent - 1), L'0');
            appendDigits(digits);
        } else {
            auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= integerDigits) {
                appendDigits(digits);
                text.append(integerDigits - digits.size(), L'0');
            } else {
                appendDigits(std::string_view(digits).substr(0, integerDigits));
                text += decimalSeparator;
                appendDigits(std::string_view(digits).substr(integerDigits));
            }
        }
        return text;
    }
    appendDigits(std::string_view(digits).substr(0, 1));
    if (digits.size() > 1) {
        text += decimalSeparator;
        appendDigits(std::string_view(digits).substr(1));
    }
    text += L'E';
    if (exponent < 0)
        text += L'-';
    text += std::to_wstring(std::abs(exponent));
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
