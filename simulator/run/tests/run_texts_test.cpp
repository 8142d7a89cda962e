// The texts of a run: how the user's numbers are read and checked, how the results
// window and the help show them, and the notices a run ends with.
#include "help_text.h"
#include "results_text.h"
#include "run_notices.h"
#include "run_texts.h"
#include "text_readers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

TEST(TextReaders, ReadTheLeadingNumberAndIgnoreTheRest)
{
    for (auto [text, value] : {std::pair{L"12abc", 12}, {L"", 0}, {L" +7", 7}, {L"\t\r\n-5", -5}, {L"- 5", 0},
                               {L"4294967297", 1}, {L"2147483648", INT32_MIN}})
        EXPECT_EQ(readIntegerText(text), value) << text;
    for (auto [text, value] : {std::pair{L"45,5", 45.0}, {L" -32.5xyz", -32.5}, {L"1e2", 100.0}, {L"1e", 1.0},
                               {L".5", 0.5}, {L"+5.", 5.0}, {L"inf", 0.0}, {L"0x1A", 0.0}, {L"1e-400", 0.0}})
        EXPECT_EQ(readDecimalText(text), value) << text;
    EXPECT_EQ(readDecimalText(L"1e400"), std::nullopt);
}

TEST(RunTexts, TheFirstFailingCheckInOrderIsTheOneTheUserSees)
{
    const wchar_t* density = L"Gęstość powinna być liczbą z zakresu <0,100> albo <-100,0)\nW tym drugim przypadku "
                             L"zostanie uruchomiony proces przebadania wszyskich gęstości od (-podanej) do 100";
    // x, y, density and trials: the rejection.
    for (auto [x, y, percent, trials, rejection] : {
             std::tuple{L"0", L"400", L"45", L"1", L"Rozmiar x powinien być większy od zera!"},
             {L"32769", L"0", L"500", L"0", L"Rozmiar x nie może być większy niż 32768!"},
             {L"32768", L"0", L"500", L"0", L"Rozmiar y powinien być większy od zera!"},
             {L"10", L"32769", L"500", L"0", L"Rozmiar y nie może być większy niż 32768!"},
             {L"10", L"32768", L"500", L"0", density},
             {L"10", L"10", L"45", L"0", L"Liczba prób powinna być większa od zera!"}})
        EXPECT_EQ(checkRunTexts(x, y, percent, trials, false, "f").rejection, rejection) << x << y;
    for (auto text : {L"100.5", L"-100.01", L"1e400"})
        EXPECT_EQ(checkRunTexts(L"1", L"1", text, L"1", false, "").rejection, density) << text;
    for (auto text : {L"100", L"-100", L"", L"-0"})
        EXPECT_EQ(checkRunTexts(L"1", L"1", text, L"1", false, "").rejection, L"") << text;
}

TEST(RunTexts, AcceptedTextsFillTheParametersWithTheNearestDensity)
{
    const CheckedRun run = checkRunTexts(L"400", L" 300x", L"45", L"+3", true, "pozar.txt");
    const RunParameters& p = run.parameters;
    EXPECT_TRUE(run.rejection.empty() && p.xsize == 400 && p.ysize == 300 && p.density == 0.45 && p.trials == 3 &&
                p.silent && p.fileName == "pozar.txt");
    EXPECT_TRUE(std::signbit(checkRunTexts(L"1", L"1", L"-0", L"1", false, "").parameters.density));
    // Every whole per cent gives the double nearest p / 100, which 35 * 0.01 is not.
    for (int percent = -100; percent <= 100; ++percent)
        EXPECT_EQ(densityFromPercent(percent), std::strtod((std::to_string(percent) + "e-2").c_str(), nullptr));
}

TEST(ResultsText, HeaderAndRowsInPerCentWithFifteenDigits)
{
    EXPECT_EQ(resultsHeader(400, 300, 3), L"Rozmiar lasu: 400 x 300\r\nLiczba prób: 3\r\n---------------\r\n"
                                          L"1 - Gęstość lasu\r\n2 - Czas pożaru\r\n3 - Spłonięcie drzewostanu\r\n"
                                          L"---------------\r\n1\t2\t3\r\n---------------\r\n");
    EXPECT_EQ(resultsRow(0.45, 123, 0.875, L',') + resultsRow(0.0, 2, 1.0, L','), L"45%\t123\t87,5%\r\n0%\t2\t100%\r\n");
    for (auto [value, text] : {std::pair{0.0001, L"0,0001"}, {0.00001, L"1E-5"}, {0.000012345, L"1,2345E-5"},
                               {123456789012345.0, L"123456789012345"}, {1e15, L"1E15"},
                               {1234567890123456.0, L"1,23456789012346E15"}, {-2.5, L"-2,5"}, {-0.0, L"0"}})
        EXPECT_EQ(formatGeneral15(value, L','), text);
}

TEST(HelpText, TheFixedLinesLetterForLetterThenAClosingParagraph)
{
    // FNV-1a over the UTF-16 units of the 22 fixed lines: a changed letter shows.
    // Their 2104 units end with the 22nd line break.
    const std::wstring& text = helpText();
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (wchar_t unit : text.substr(0, 2104))
        hash = (hash ^ static_cast<std::uint16_t>(unit)) * 0x100000001b3u;
    EXPECT_EQ(hash, 0x5823c2319982413bu);
    EXPECT_TRUE(text.ends_with(L".\n\n")) << "a closing paragraph and an empty line";
}

TEST(RunNotices, EachInItsOrderWithTheSizesTrialsAndFileName)
{
    EXPECT_EQ(runNotices({true, true, true, true}, 3, 2, 7, L"a.txt"),
              (std::vector<std::wstring>{
                  L"Za mało pamięci na las o rozmiarach 3 x 2!", L"Za mało pamięci na wyniki 7 prób!",
                  L"Nie można posadzić tylu drzew w lesie o rozmiarach 3 x 2: losowanie nie trafia we wszystkie pola!",
                  L"Nie można zapisać wyników do pliku: a.txt"}));
}
