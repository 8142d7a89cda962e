// The checks that turn the texts of a run (command line or dialog) into its
// parameters, in the fixed order whose first failure is the one the user sees.
#pragma once
#include "run_parameters.h"

#include <filesystem>
#include <string_view>

namespace rejection {
inline constexpr std::wstring_view xSizeTooSmall = L"Rozmiar x powinien być większy od zera!";
inline constexpr std::wstring_view xSizeTooLarge = L"Rozmiar x nie może być większy niż 32768!";
inline constexpr std::wstring_view ySizeTooSmall = L"Rozmiar y powinien być większy od zera!";
inline constexpr std::wstring_view ySizeTooLarge = L"Rozmiar y nie może być większy niż 32768!";
inline constexpr std::wstring_view density =
    L"Gęstość powinna być liczbą z zakresu <0,100> albo <-100,0)\n"
    L"W tym drugim przypadku zostanie uruchomiony proces przebadania wszyskich gęstości od (-podanej) do 100";
inline constexpr std::wstring_view trials = L"Liczba prób powinna być większa od zera!";
} // namespace rejection

// The generator reaches 32768 distinct coordinates; a larger forest would have
// cells that no draw can plant.
constexpr int largestForestSize = 32768;

struct CheckedRun {
    std::wstring_view rejection; // empty when the texts were accepted
    RunParameters parameters;
};

CheckedRun checkRunTexts(std::wstring_view xsizeText, std::wstring_view ysizeText, std::wstring_view densityText,
                         std::wstring_view trialsText, bool silent, const std::filesystem::path& fileName);

// Per cent to a fraction: the product in extended precision, then rounded to a
// double, which is exactly the double nearest p / 100 for every whole per cent.
double densityFromPercent(double percent);
