// The fire view window. During a run the thread does not pump messages, so cells
// go straight to the window's own DC; the view repaints itself from the forest
// only afterwards, when the results window's modal loop lets it.
#include "fire_view.h"

#include "application.h"

#include <algorithm>
#include <vector>

namespace {

constexpr wchar_t fireViewClass[] = L"IgnaroFireView";
constexpr DWORD fireViewStyle = WS_POPUP | WS_CAPTION;
constexpr DWORD fireViewExtendedStyle = WS_EX_DLGMODALFRAME;

HWND fireView = nullptr;
const Forest* shownForest = nullptr;
HDC fireViewDC = nullptr; // the class DC, kept for the whole life of the view
bool anythingDrawn = false;

void paintFromForest(HDC dc, const RECT& area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -1; // one top-down row at a time
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> row(static_cast<std::size_t>(width));
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            COLORREF colour = cellColour(shownForest->at(x, y));
            row[static_cast<std::size_t>(x - area.left)] = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        }
        SetDIBitsToDevice(dc, area.left, y, static_cast<DWORD>(width), 1, 0, 0, 0, 1, row.data(), &info, DIB_RGB_COLORS);
    }
}

LRESULT CALLBACK fireViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && anythingDrawn) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        RECT area;
        IntersectRect(&area, &paint.rcPaint, &client);
        paintFromForest(dc, area);
        EndPaint(window, &paint);
        return 0;
    }
    if (message == WM_GETMINMAXINFO) {
        // Keep one pixel per cell even for a forest larger than the screen: the
        // screen clips the view rather than the system shrinking it.
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxTrackSize = {0x7FFF, 0x7FFF};
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void registerFireViewClass()
{
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = fireViewProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = applicationIcon();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = fireViewClass;
    if (!RegisterClassExW(&windowClass))
        throw UiError(L"Nie można zarejestrować klasy okna pożaru");
    registered = true;
}

} // namespace

COLORREF cellColour(CellState state)
{
    switch (state) {
    case Empty:
        return RGB(255, 255, 255);
    case Tree:
        return RGB(0, 128, 0);
    case Burnt:
        return RGB(0, 0, 0);
    case Burning:
    case Igniting:
        return RGB(255, 0, 0);
    }
    return RGB(255, 255, 255);
}

HWND fireViewWindow() { return fireView; }

POINT centredPosition(SIZE window, SIZE screen)
{
    return {std::max(0L, (screen.cx - window.cx) / 2), std::max(0L, (screen.cy - window.cy) / 2)};
}

void openFireView(const Forest& forest)
{
    registerFireViewClass();
    RECT frame{0, 0, forest.xsize, forest.ysize};
    AdjustWindowRectEx(&frame, fireViewStyle, FALSE, fireViewExtendedStyle);
    SIZE outer{frame.right - frame.left, frame.bottom - frame.top};
    POINT place = centredPosition(outer, {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});

    fireView = CreateWindowExW(fireViewExtendedStyle, fireViewClass, L"Ignaro", fireViewStyle, place.x, place.y,
                               outer.cx, outer.cy, applicationWindow(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!fireView)
        throw UiError(L"Nie można utworzyć okna pożaru");
    anythingDrawn = false;
    shownForest = &forest;
    fireViewDC = GetDC(fireView);
    ShowWindow(fireView, SW_SHOW);
    SetForegroundWindow(fireView);
    UpdateWindow(fireView);
}

void drawCell(std::int32_t x, std::int32_t y, CellState state)
{
    anythingDrawn = true;
    SetPixelV(fireViewDC, x, y, cellColour(state));
}

void closeFireView()
{
    if (!fireView)
        return;
    ReleaseDC(fireView, fireViewDC);
    DestroyWindow(fireView);
    fireView = nullptr;
    fireViewDC = nullptr;
    shownForest = nullptr;
    anythingDrawn = false;
}
