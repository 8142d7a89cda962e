// The form toolkit's one window builder. The form runs as a modal dialog made from
// an empty template; the toolkit creates the components itself so that they stand
// at the pixel positions of the definition, scaled to the system DPI.
#include "form.h"

#include "application.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int firstComponentId = 1000;

// A dialog template without controls: header, then no menu, default class, no title.
struct EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

DWORD formStyle(FormBorder border)
{
    if (border == FormBorder::Dialog)
        return WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFOREGROUND;
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_SETFOREGROUND;
}

struct WindowKind {
    const wchar_t* windowClass;
    DWORD style;
    DWORD extendedStyle;
};

WindowKind windowKind(const ComponentDefinition& component)
{
    switch (component.kind) {
    case ComponentKind::Label:
        return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0}; // clipped, never wrapped
    case ComponentKind::Edit:
        return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ComponentKind::CheckBox:
        return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ComponentKind::Button:
        return {L"BUTTON", DWORD(component.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0};
    case ComponentKind::Memo:
        // No horizontal scrolling: long lines wrap at the right edge.
        return {L"EDIT", ES_LEFT | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL, WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

} // namespace

Form::Form(const FormDefinition& definition) : definition_(definition), states_(definition.components.size())
{
    for (std::size_t i = 0; i < states_.size(); ++i)
        states_[i].text = definition.components[i].text;
}

std::size_t Form::indexOf(std::wstring_view component) const
{
    const ComponentDefinition* found = definition_.find(component);
    if (!found)
        throw UiError(L"Brak składnika " + std::wstring(component) + L" w formularzu " +
                      std::wstring(definition_.name));
    return static_cast<std::size_t>(found - definition_.components.data());
}

const std::wstring& Form::text(std::wstring_view component) const { return states_[indexOf(component)].text; }

void Form::setText(std::wstring_view component, std::wstring text) { states_[indexOf(component)].text = std::move(text); }

bool Form::checked(std::wstring_view component) const { return states_[indexOf(component)].checked; }

HWND Form::componentWindow(std::wstring_view component) const { return states_[indexOf(component)].window; }

int Form::showModal()
{
    alignas(DWORD) EmptyDialogTemplate dialogTemplate{};
    dialogTemplate.header.style = formStyle(definition_.border);
    failure_.clear();
    INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &dialogTemplate.header, applicationWindow(),
                                             dialogProc, reinterpret_cast<LPARAM>(this));
    if (result == -1)
        throw UiError(L"Nie można utworzyć okna " + std::wstring(definition_.name));
    if (!failure_.empty())
        throw UiError(failure_);
    return static_cast<int>(result);
}

HFONT Form::fontFor(const FontDefinition& font)
{
    LOGFONTW description{};
    description.lfHeight = -MulDiv(font.points, dpi_, 72);
    description.lfWeight = FW_NORMAL;
    description.lfCharSet = static_cast<BYTE>(font.charset);
    font.face.copy(description.lfFaceName, LF_FACESIZE - 1);
    fonts_.emplace_back(CreateFontIndirectW(&description));
    return fonts_.back().get();
}

void Form::build(HWND window)
{
    window_ = window;
    {
        ScreenDC screen;
        dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
    }
    SetWindowTextW(window, std::wstring(definition_.caption).c_str());
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(applicationIcon()));
    HFONT formFont = fontFor(definition_.font);

    // Creation order is the tab order; components outside it come last.
    std::vector<std::size_t> order(definition_.components.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    auto tabRank = [&](std::size_t i) {
        int tab = definition_.components[i].tabOrder;
        return tab < 0 ? INT_MAX : tab;
    };
    std::stable_sort(order.begin(), order.end(), [&](auto a, auto b) { return tabRank(a) < tabRank(b); });

    HWND firstStop = nullptr;
    for (std::size_t i : order) {
        const ComponentDefinition& component = definition_.components[i];
        WindowKind kind = windowKind(component);
        DWORD style = WS_CHILD | WS_VISIBLE | kind.style | (component.tabOrder >= 0 ? WS_TABSTOP : 0);
        HWND control = CreateWindowExW(kind.extendedStyle, kind.windowClass, L"", style, scaleToDpi(component.left, dpi_),
                                       scaleToDpi(component.top, dpi_), scaleToDpi(component.width, dpi_),
                                       scaleToDpi(component.height, dpi_), window,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstComponentId + i)),
                                       GetModuleHandleW(nullptr), nullptr);
        if (!control) {
            failure_ = L"Nie można utworzyć składnika " + std::wstring(component.name);
            EndDialog(window, closedResult);
            return;
        }
        states_[i].window = control;
        HFONT font = component.font.face.empty() ? formFont : fontFor(component.font);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (component.kind == ComponentKind::Memo)
            SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
        if (!SetWindowTextW(control, states_[i].text.c_str()) && component.kind == ComponentKind::Memo) {
            failure_ = L"Text exceeds memo capacity";
            EndDialog(window, closedResult);
            return;
        }
        if (component.kind == ComponentKind::CheckBox)
            SendMessageW(control, BM_SETCHECK, states_[i].checked ? BST_CHECKED : BST_UNCHECKED, 0);
        if (component.isDefault)
            SendMessageW(window, DM_SETDEFID, firstComponentId + i, 0);
        if (!firstStop && component.tabOrder >= 0)
            firstStop = control;
    }

    RECT frame{0, 0, scaleToDpi(definition_.clientWidth, dpi_), scaleToDpi(definition_.clientHeight, dpi_)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    SetWindowPos(window, nullptr, scaleToDpi(definition_.left, dpi_), scaleToDpi(definition_.top, dpi_),
                 frame.right - frame.left, frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);

    if (firstStop) {
        SetFocus(firstStop);
        // A text box shows its text from the start, not selected and scrolled to the end.
        if ((GetWindowLongPtrW(firstStop, GWL_STYLE) & ES_MULTILINE) != 0)
            SendMessageW(firstStop, EM_SETSEL, 0, 0);
    }
}

void Form::layOut()
{
    RECT client;
    GetClientRect(window_, &client);
    for (std::size_t i = 0; i < states_.size(); ++i)
        if (definition_.components[i].fillsClient && states_[i].window)
            MoveWindow(states_[i].window, 0, 0, client.right, client.bottom, TRUE);
}

void Form::keepValues()
{
    for (std::size_t i = 0; i < states_.size(); ++i) {
        HWND control = states_[i].window;
        if (!control)
            continue;
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
        states_[i].text = std::move(text);
        if (definition_.components[i].kind == ComponentKind::CheckBox)
            states_[i].checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
}

INT_PTR Form::onCommand(WPARAM wParam)
{
    // Only the form's own buttons end it: Escape (IDCANCEL) and an Enter without a
    // default button (IDOK) come with ids that belong to no component.
    int id = LOWORD(wParam) - firstComponentId;
    if (HIWORD(wParam) != BN_CLICKED || id < 0 || id >= static_cast<int>(states_.size()))
        return FALSE;
    const ComponentDefinition& component = definition_.components[static_cast<std::size_t>(id)];
    if (component.kind != ComponentKind::Button || component.result == 0)
        return FALSE;
    keepValues();
    EndDialog(window_, component.result);
    return TRUE;
}

// A read-only text box reads as a page of black text on the window colour, not
// as part of the grey form.
INT_PTR Form::memoColours(HDC dc, HWND control) const
{
    for (std::size_t i = 0; i < states_.size(); ++i) {
        if (states_[i].window == control && definition_.components[i].kind == ComponentKind::Memo) {
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_WINDOW));
        }
    }
    return FALSE;
}

INT_PTR CALLBACK Form::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(window, DWLP_USER, lParam);
        reinterpret_cast<Form*>(lParam)->build(window);
        return FALSE; // focus is set
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, DWLP_USER));
    if (!form)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        return form->onCommand(wParam);
    case WM_SIZE:
        form->layOut();
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return form->memoColours(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
        form->keepValues();
        EndDialog(window, closedResult);
        return TRUE;
    case WM_DESTROY:
        for (State& state : form->states_)
            state.window = nullptr;
        form->window_ = nullptr;
        return FALSE;
    }
    return FALSE;
}
