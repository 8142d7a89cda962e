// The real Ignaro.exe, started and driven from outside as a user would: command
// lines, rejections with their notices, the settings dialog, the fire view and
// the results window.
#include "help_text.h"
#include "run_texts.h"
#include "window_probe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>

namespace {

std::filesystem::path ignaroProgram()
{
    const char* path = std::getenv("IGNARO_EXE");
    if (!path)
        throw std::runtime_error("IGNARO_EXE is not set");
    return windowsPath(path);
}

constexpr wchar_t dialogClass[] = L"#32770";

std::vector<std::string> fileRows(const std::filesystem::path& file) { return crlfLines(readFile(file)); }

// The notice box on screen: "Uwaga!" with the given text; pressed OK.
void expectNoticeAndPressOk(DWORD processId, const std::wstring& text)
{
    HWND box = waitForWindow(processId, dialogClass, L"Uwaga!");
    ASSERT_NE(box, nullptr) << "no notice appeared";
    EXPECT_EQ(readMessageBox(box).text, text);
    HWND ok = childWithText(box, L"OK");
    ASSERT_NE(ok, nullptr);
    pressButton(ok);
    ASSERT_TRUE(waitForWindowGone(box));
}

} // namespace

TEST(IgnaroCommandLine, SixArgumentsAppendOneRowPerTrialAndEnd)
{
    ScratchFolder folder(L"ignaro-silent");
    std::filesystem::path file = folder.path() / L"pożar.txt";
    {
        ChildProcess ignaro(ignaroProgram(), L"50 40 45 3 1 pożar.txt", folder.path());
        EXPECT_EQ(ignaro.waitForExit(), 0u);
    }
    {
        ChildProcess again(ignaroProgram(), L"3 3 100 1 5 pożar.txt extra arguments", folder.path());
        EXPECT_EQ(again.waitForExit(), 0u);
    }
    auto rows = fileRows(file);
    ASSERT_EQ(rows.size(), 4u);
    std::regex row(R"(0\.45 \d+ (1|0\.\d+|\d(\.\d+)?e-\d\d))");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(std::regex_match(rows[static_cast<std::size_t>(i)], row)) << rows[static_cast<std::size_t>(i)];
    EXPECT_EQ(rows[3], "1 3 1") << "the second run appends after the first";
}

TEST(IgnaroCommandLine, RejectedSizeShowsItsNoticeThenTheHelpAndRunsNothing)
{
    ScratchFolder folder(L"ignaro-rejected");
    ChildProcess ignaro(ignaroProgram(), L"0 0 500 0 0 f.txt", folder.path());
    expectNoticeAndPressOk(ignaro.id(), std::wstring(rejection::xSizeTooSmall));
    expectNoticeAndPressOk(ignaro.id(), helpText());
    EXPECT_EQ(ignaro.waitForExit(), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / L"f.txt"));
}

TEST(IgnaroCommandLine, UnwritableResultsFileIsReportedOnce)
{
    ScratchFolder folder(L"ignaro-unwritable");
    ChildProcess ignaro(ignaroProgram(), L"10 10 -97 1 1 missing\\rows.txt", folder.path());
    expectNoticeAndPressOk(ignaro.id(), L"Nie można zapisać wyników do pliku: missing\\rows.txt");
    EXPECT_EQ(ignaro.waitForExit(), 0u) << "one notice for the four series of the sweep";
}

TEST(IgnaroDialog, HelpThenRunWithChangedFieldsThenCancel)
{
    ScratchFolder folder(L"ignaro-dialog");
    ChildProcess ignaro(ignaroProgram(), L"1 2 3", folder.path());

    HWND dialog = waitForWindow(ignaro.id(), dialogClass, L"Ustawienia");
    ASSERT_NE(dialog, nullptr);
    HWND help = childWithText(dialog, L"Pomoc");
    ASSERT_NE(help, nullptr);
    SendMessageW(childWithText(dialog, L"400"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"123"));
    pressButton(help);
    expectNoticeAndPressOk(ignaro.id(), helpText());

    // A fresh dialog with the initial values, whatever was typed before.
    dialog = waitForWindow(ignaro.id(), dialogClass, L"Ustawienia");
    ASSERT_NE(dialog, nullptr);
    for (const wchar_t* text : {L"400", L"45", L"1", L"pozar.txt", L"bez wizualizacji", L"OK", L"Anuluj"})
        EXPECT_NE(childWithText(dialog, text), nullptr) << text;
    EXPECT_EQ(childWithText(dialog, L"123"), nullptr);

    auto edits = childWindows(dialog);
    std::vector<HWND> editBoxes;
    for (HWND child : edits)
        if (_wcsicmp(className(child).c_str(), L"Edit") == 0)
            editBoxes.push_back(child);
    ASSERT_EQ(editBoxes.size(), 5u);
    // Created in tab order: x size, y size, density, trials, then the file name.
    const wchar_t* values[] = {L"30", L"20", L"50", L"2", L"wyniki.txt"};
    for (std::size_t i = 0; i < 5; ++i)
        SendMessageW(editBoxes[i], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(values[i]));
    pressButton(childWithText(dialog, L"bez wizualizacji"));
    pressButton(childWithText(dialog, L"OK"));

    dialog = waitForWindow(ignaro.id(), dialogClass, L"Ustawienia");
    ASSERT_NE(dialog, nullptr) << "the dialog comes back after the run";
    auto rows = fileRows(folder.path() / L"wyniki.txt");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].substr(0, 4), "0.5 ");

    pressButton(childWithText(dialog, L"Anuluj"));
    EXPECT_EQ(ignaro.waitForExit(), 0u);
}

TEST(IgnaroDialog, RejectionInTheDialogShowsTheDialogAgain)
{
    ScratchFolder folder(L"ignaro-dialog-rejection");
    ChildProcess ignaro(ignaroProgram(), L"", folder.path());
    HWND dialog = waitForWindow(ignaro.id(), dialogClass, L"Ustawienia");
    ASSERT_NE(dialog, nullptr);
    SendMessageW(childWithText(dialog, L"45"), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"150"));
    pressButton(childWithText(dialog, L"OK"));
    expectNoticeAndPressOk(ignaro.id(), std::wstring(rejection::density));
    dialog = waitForWindow(ignaro.id(), dialogClass, L"Ustawienia");
    ASSERT_NE(dialog, nullptr);
    EXPECT_NE(childWithText(dialog, L"45"), nullptr);
    pressButton(childWithText(dialog, L"Anuluj"));
    EXPECT_EQ(ignaro.waitForExit(), 0u);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / L"pozar.txt"));
}
