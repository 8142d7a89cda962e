// Frames of the magnified view over a known picture on the screen, compared pixel for
// pixel at 2X and 4X with each indicator at the marker point; the frozen view and the
// picture the copy hotkey puts on the clipboard.
#include "dib_pixels.h"
#include "vistrel_fixture.h"

#include "identifiers.h"
#include "program_state.h"
#include "settings.h"
#include "view.h"
#include "view_geometry.h"

#include <functional>

namespace {

using Pixels = std::vector<DWORD>;  // 0x00RRGGBB, rows top first

constexpr RECT patternRect{300, 200, 540, 380};
constexpr POINT cursor{420, 290};
constexpr int clientWidth = 120, clientHeight = 80;

DWORD patternColour(int x, int y)
{
    // Neighbours differ in every direction, so a shifted or scaled copy shows.
    return static_cast<DWORD>((((x * 5) & 0xff) << 16) | (((y * 3 + 40) & 0xff) << 8) | (((x + 2 * y) & 0x7f) + 64));
}

BITMAPINFO topDown32(int width, int height)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

LRESULT CALLBACK patternProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcA(window, message, wParam, lParam);
    const int width = patternRect.right - patternRect.left, height = patternRect.bottom - patternRect.top;
    Pixels pixels(width * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = patternColour(x, y);
    const BITMAPINFO info = topDown32(width, height);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
}

// A topmost window showing the known picture, for as long as the test runs.
class PatternWindow {
public:
    PatternWindow()
    {
        static const ATOM atom = [] {
            WNDCLASSA windowClass{};
            windowClass.lpfnWndProc = patternProc;
            windowClass.hInstance = GetModuleHandleA(nullptr);
            windowClass.lpszClassName = "VistrelTestPattern";
            return RegisterClassA(&windowClass);
        }();
        window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(atom)), "", WS_POPUP | WS_VISIBLE,
                                  patternRect.left, patternRect.top, patternRect.right - patternRect.left,
                                  patternRect.bottom - patternRect.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                                  nullptr);
        UpdateWindow(window_);
    }
    ~PatternWindow() { DestroyWindow(window_); }

private:
    HWND window_;
};

Pixels bitmapPixels(HBITMAP bitmap, int width, int height)
{
    Pixels pixels(width * height);
    BITMAPINFO info = topDown32(width, height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (DWORD& p : pixels)
        p &= 0xffffff;
    return pixels;
}

Pixels screenPixels(int left, int top, int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    Pixels pixels = bitmapPixels(bitmap, width, height);
    DeleteObject(bitmap);
    return pixels;
}

class ViewRenderTest : public VistrelTest {
protected:
    // A hidden main window with a client of 120 x 80 away from the picture, the
    // cursor over the picture.
    void SetUp() override
    {
        VistrelTest::SetUp();
        ASSERT_TRUE(start(SW_HIDE));
        RECT outer{0, 0, clientWidth, clientHeight};
        AdjustWindowRectEx(&outer, GetWindowLongA(window_, GWL_STYLE), FALSE, GetWindowLongA(window_, GWL_EXSTYLE));
        MoveWindow(window_, 20, 20, outer.right - outer.left, outer.bottom - outer.top, FALSE);
        RECT client{};
        GetClientRect(window_, &client);
        ASSERT_EQ(client.right, clientWidth);
        ASSERT_EQ(client.bottom, clientHeight);
        ASSERT_TRUE(SetCursorPos(cursor.x, cursor.y));
        pumpMessages();
    }

    // What the view must show without an indicator: every screen pixel of the source
    // rectangle repeated z x z times.
    Pixels magnified(const ViewPlacement& view, int zoom) const
    {
        const Pixels source = screenPixels(view.sourceX, view.sourceY, view.sourceWidth, view.sourceHeight);
        Pixels expected(clientWidth * clientHeight);
        for (int y = 0; y < clientHeight; ++y)
            for (int x = 0; x < clientWidth; ++x)
                expected[y * clientWidth + x] = source[(y / zoom) * view.sourceWidth + x / zoom];
        return expected;
    }

    Pixels snapshot(int zoomLevel, int cursorType)
    {
        Settings.ZoomLevel = zoomLevel;
        SendMessageA(window_, WM_COMMAND, IDM_CURSOR_NONE + cursorType, 0);
        renderView(window_, true);
        EXPECT_EQ(snapshotWidth, clientWidth);
        EXPECT_EQ(snapshotHeight, clientHeight);
        return bitmapPixels(snapshotBitmap, clientWidth, clientHeight);
    }

    // The client area as the screen shows it. Wine hands a window's drawing to the X
    // server when the thread next looks at its messages, or a little later: wait a
    // moment, or until the picture is as awaited (at most 2 s).
    Pixels shownClient(const std::function<bool(const Pixels&)>& awaited = nullptr)
    {
        POINT origin{0, 0};
        ClientToScreen(window_, &origin);
        Pixels shown;
        for (int attempt = 0; attempt < 40; ++attempt) {
            pumpMessages();
            Sleep(50);
            shown = screenPixels(origin.x, origin.y, clientWidth, clientHeight);
            if (!awaited || awaited(shown))
                break;
        }
        return shown;
    }
    Pixels shownClientOnce(const Pixels& picture)
    {
        return shownClient([&](const Pixels& shown) { return shown == picture; });
    }

    PatternWindow pattern_;
};

DWORD at(const Pixels& pixels, int x, int y)
{
    return pixels[y * clientWidth + x];
}

// Compares two frames everywhere outside a box; the box is checked separately.
void expectSameOutside(const Pixels& actual, const Pixels& expected, RECT box)
{
    int differences = 0;
    for (int y = 0; y < clientHeight; ++y)
        for (int x = 0; x < clientWidth; ++x) {
            const POINT p{x, y};
            if (!PtInRect(&box, p) && at(actual, x, y) != at(expected, x, y) && ++differences <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << "): " << std::hex << at(actual, x, y) << " instead of "
                              << at(expected, x, y);
        }
    EXPECT_EQ(differences, 0);
}

RECT indicatorBox(const ViewPlacement& view)
{
    return RECT{view.markerX - 15, view.markerY - 15, view.markerX + 17, view.markerY + 17};
}

TEST_F(ViewRenderTest, SnapshotsRepeatTheScreenPixelsAtBothZoomsWithEachIndicator)
{
    for (int zoomLevel : {1, 2}) {
        SCOPED_TRACE(zoomLevel == 1 ? "2X" : "4X");
        const int zoom = 1 << zoomLevel;
        const ViewPlacement view =
            placeView(cursor.x, cursor.y, clientWidth, clientHeight, zoomLevel, screenRect.right, screenRect.bottom);
        const Pixels expected = magnified(view, zoom);
        const int px = view.markerX, py = view.markerY;
        auto under = [&](int dx, int dy) { return at(expected, px + dx, py + dy); };
        constexpr DWORD black = 0, white = 0xffffff;

        // The picture alone: the source centred on the cursor, each pixel z x z.
        expectSameOutside(snapshot(zoomLevel, 0), expected, RECT{});

        // Crosshair: a black cross with a white edge, its centre on the marker.
        const Pixels crosshair = snapshot(zoomLevel, 2);
        expectSameOutside(crosshair, expected, indicatorBox(view));
        EXPECT_EQ(at(crosshair, px, py), black);
        EXPECT_EQ(at(crosshair, px - 8, py), black);
        EXPECT_EQ(at(crosshair, px - 9, py), white);
        EXPECT_EQ(at(crosshair, px - 10, py), under(-10, 0));
        EXPECT_EQ(at(crosshair, px, py + 8), black);
        EXPECT_EQ(at(crosshair, px + 1, py + 1), white);
        EXPECT_EQ(at(crosshair, px + 2, py + 2), under(2, 2));

        // Zero Sight: a ring and arms that leave the cursor's pixel in sight.
        const Pixels zeroSight = snapshot(zoomLevel, 3);
        expectSameOutside(zeroSight, expected, indicatorBox(view));
        for (int d = -1; d <= 1; ++d)
            EXPECT_EQ(at(zeroSight, px + d, py + d), under(d, d));
        EXPECT_EQ(at(zeroSight, px - 7, py), black);
        EXPECT_EQ(at(zeroSight, px + 3, py), black);
        EXPECT_EQ(at(zeroSight, px + 2, py), white);
        EXPECT_EQ(at(zeroSight, px, py - 7), black);

        // XORing Crosshair: exactly the 33 pixels of the cross inverted.
        const Pixels xorCrosshair = snapshot(zoomLevel, 4);
        Pixels inverted = expected;
        for (int d = -8; d <= 8; ++d) {
            inverted[py * clientWidth + px + d] ^= white;
            if (d != 0)
                inverted[(py + d) * clientWidth + px] ^= white;
        }
        expectSameOutside(xorCrosshair, inverted, RECT{});

        // Arrow: the system arrow with its top-left corner on the marker.
        const Pixels arrow = snapshot(zoomLevel, 1);
        expectSameOutside(arrow, expected, RECT{px, py, clientWidth, clientHeight});
        EXPECT_NE(arrow, expected);
    }
}

TEST_F(ViewRenderTest, LiveFramesFollowTheCursorOnlyWhenItMovesUnlessUpdateAlways)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    pumpMessages();
    const Pixels wanted = snapshot(1, 2);
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);

    Settings.UpdateAlways = 1;
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(shownClientOnce(wanted), wanted);

    // The cursor at rest: the background the repaint left stays until it moves.
    Settings.UpdateAlways = 0;
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Pixels background(wanted.size(),
                            GetRValue(window) << 16 | GetGValue(window) << 8 | GetBValue(window));
    EXPECT_EQ(shownClientOnce(background), background);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(shownClient(), background);
    SetCursorPos(cursor.x, cursor.y + 1);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(lastCursorPos.y, cursor.y + 1);
    EXPECT_NE(shownClient([&](const Pixels& shown) { return shown != background; }), background);
    SetCursorPos(cursor.x, cursor.y);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(shownClientOnce(wanted), wanted);

    // Other timers draw nothing; a hidden window neither.
    Settings.UpdateAlways = 0;
    SetCursorPos(cursor.x + 5, cursor.y);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID + 1, 0);
    EXPECT_EQ(lastCursorPos.x, cursor.x);
    ShowWindow(window_, SW_HIDE);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(lastCursorPos.x, cursor.x);
}

TEST_F(ViewRenderTest, TheFreezeHotkeyHoldsTheSnapshotUntilPressedAgain)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    pumpMessages();
    SendMessageA(window_, WM_HOTKEY, HOTKEY_FREEZE, MAKELPARAM(MOD_ALT, VK_F12));
    ASSERT_TRUE(viewFrozen);
    ASSERT_NE(snapshotBitmap, nullptr);
    const HBITMAP frozen = snapshotBitmap;
    const Pixels picture = bitmapPixels(frozen, clientWidth, clientHeight);

    // Frozen: the cursor moves, the timer ticks, nothing is rendered; a repaint shows
    // the snapshot.
    SetCursorPos(cursor.x + 30, cursor.y + 20);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(lastCursorPos.x, cursor.x);
    InvalidateRect(window_, nullptr, TRUE);
    UpdateWindow(window_);
    EXPECT_EQ(shownClientOnce(picture), picture);

    // Released: the snapshot stays as it was and the live view resumes.
    SendMessageA(window_, WM_HOTKEY, HOTKEY_FREEZE, MAKELPARAM(MOD_ALT, VK_F12));
    EXPECT_FALSE(viewFrozen);
    EXPECT_EQ(snapshotBitmap, frozen);
    EXPECT_EQ(bitmapPixels(frozen, clientWidth, clientHeight), picture);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0);
    EXPECT_EQ(lastCursorPos.x, cursor.x + 30);
}

TEST_F(ViewRenderTest, TheCopyHotkeyPutsTheViewOnTheClipboardFrozenOrLive)
{
    // Live (and hidden): a fresh frame of the client size is copied and not kept.
    const Pixels live = snapshot(1, 2);
    deleteSnapshot();
    emptyClipboard();
    EXPECT_EQ(SendMessageA(window_, WM_HOTKEY, HOTKEY_COPY, MAKELPARAM(MOD_ALT, VK_F11)), 0);
    EXPECT_EQ(snapshotBitmap, nullptr);
    const DibPicture copied = clipboardDib();
    EXPECT_EQ(copied.header.biWidth, clientWidth);
    EXPECT_EQ(copied.header.biHeight, clientHeight);
    EXPECT_EQ(copied.header.biBitCount, 24);  // the deep screen of the test display
    EXPECT_EQ(copied.tableBytes, 0u);
    EXPECT_EQ(copied.pixels, live);

    // Frozen: the frozen picture is copied, wherever the cursor has gone, and stays.
    SendMessageA(window_, WM_HOTKEY, HOTKEY_FREEZE, MAKELPARAM(MOD_ALT, VK_F12));
    const HBITMAP frozen = snapshotBitmap;
    SetCursorPos(cursor.x + 30, cursor.y + 20);
    emptyClipboard();
    SendMessageA(window_, WM_HOTKEY, HOTKEY_COPY, MAKELPARAM(MOD_ALT, VK_F11));
    EXPECT_TRUE(viewFrozen);
    EXPECT_EQ(snapshotBitmap, frozen);
    EXPECT_EQ(clipboardDib().pixels, live);
}

} // namespace
