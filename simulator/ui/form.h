// The form toolkit: builds a window from a form definition and runs it modally.
// A Form keeps the texts and ticks of its components across the showing, so the
// caller reads what the user entered after the window is gone.
#pragma once
#include "form_definition.h"
#include "gdi_handles.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

class Form {
public:
    explicit Form(const FormDefinition& definition);

    // Shows the form modally, owned by the application window; returns the result
    // of the button that ended it, or closedResult.
    int showModal();

    const std::wstring& text(std::wstring_view component) const;
    void setText(std::wstring_view component, std::wstring text);
    bool checked(std::wstring_view component) const;

    // While shown: the window, and a component's window.
    HWND window() const { return window_; }
    HWND componentWindow(std::wstring_view component) const;

private:
    struct State {
        std::wstring text;
        bool checked = false;
        HWND window = nullptr;
    };
    std::size_t indexOf(std::wstring_view component) const;
    static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void build(HWND window);
    void layOut();
    void keepValues();
    HFONT fontFor(const FontDefinition& font);
    INT_PTR onCommand(WPARAM wParam);
    INT_PTR memoColours(HDC dc, HWND control) const;

    const FormDefinition& definition_;
    std::vector<State> states_;
    HWND window_ = nullptr;
    int dpi_ = 96;
    std::vector<Font> fonts_;
    std::wstring failure_; // what went wrong inside the dialog, thrown once it has ended
};

// Layout arithmetic: a 96-DPI length at the given DPI.
inline int scaleToDpi(int length, int dpi) { return MulDiv(length, dpi, 96); }
