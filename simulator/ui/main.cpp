// Ignaro's entry: the command-line mode with six arguments, the dialog mode
// otherwise, and the catch-all for errors that end the program.
#include "application.h"
#include "config_dialog.h"
#include "help_text.h"
#include "planting.h"
#include "text_readers.h"
#include "validate_and_run.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

void runCommandLine(GeneratorDraws& draws, wchar_t** argv)
{
    bool silent = readIntegerText(argv[5]) != 0;
    if (!validateAndRun(draws, argv[1], argv[2], argv[3], argv[4], silent, argv[6]))
        showNotice(helpText());
}

void showFatalError(const std::wstring& message)
{
    MessageBoxW(applicationWindow(), (message + L".").c_str(), std::wstring(applicationTitle).c_str(),
                MB_OK | MB_ICONSTOP | MB_TASKMODAL);
}

std::wstring widen(const char* text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(wide.find(L'\0'));
    return wide;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    try {
        initApplication();
        // One trial clock and generator for the process: runs started from the dialog
        // within one second let the generator run on, as the trials of one run do.
        GeneratorDraws draws;
        if (__argc >= 7) {
            runCommandLine(draws, __wargv);
        } else {
            while (showConfigDialog(draws)) {
            }
        }
    } catch (const UiError& error) {
        showFatalError(error.message());
    } catch (const std::exception& error) {
        showFatalError(widen(error.what()));
    }
    return 0;
}
