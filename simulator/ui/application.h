// Ignaro's application object: the hidden-in-plain-sight window that carries the
// program's title and icon on the task bar and owns every other window, the
// notices, and the error that ends the program.
#pragma once
#include <windows.h>

#include <stdexcept>
#include <string>
#include <string_view>

inline constexpr std::wstring_view applicationTitle = L"Ignaro v. 1.1 (for Windows)";
inline constexpr std::wstring_view noticeCaption = L"Uwaga!";

void initApplication();
HWND applicationWindow();
HICON applicationIcon();

// A modal notice: caption "Uwaga!", OK, no icon.
void showNotice(std::wstring_view text);

// What the window toolkit throws when it cannot do its job; caught at the entry.
class UiError : public std::runtime_error {
public:
    explicit UiError(std::wstring message) : std::runtime_error("Ignaro UI error"), message_(std::move(message)) {}
    const std::wstring& message() const { return message_; }

private:
    std::wstring message_;
};

// Keys and clicks that arrived while a run held the thread are stale by the time
// it ends; they must not press a button of the next window.
void discardPendingInput();
