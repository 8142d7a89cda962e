// Frames of the magnified view over a known picture on the screen, compared pixel for
// pixel at 2X and 4X with each indicator at the marker point; live frames, the frozen
// view and the picture the copy hotkey puts on the clipboard.
#include "vistrel_fixture.h"

#include "clipboard_probe.h"
#include "view_geometry.h"

namespace {

using Pixels = std::vector<DWORD>; // 0x00RRGGBB, rows top first

constexpr POINT cursor{420, 290};
constexpr int width = 120, height = 80; // of the client area
constexpr DWORD black = 0, white = 0xffffff;

// The pixels of a bitmap, after drawing on it.
template <typename Draw>
Pixels bitmapPixels(HBITMAP bitmap, Draw draw)
{
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    draw(memory);
    const Pixels pixels = pixelsOf({0, 0, width, height}, memory);
    SelectObject(memory, previous);
    DeleteDC(memory);
    return pixels;
}

class ViewRenderTest : public VistrelTest {
protected:
    // A topmost window showing a picture whose neighbouring pixels differ in every
    // direction around the cursor, and a hidden main window away from it.
    void SetUp() override
    {
        VistrelTest::SetUp();
        pattern_ = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 240, 180, nullptr,
                                   nullptr, nullptr, nullptr);
        UpdateWindow(pattern_);
        HDC dc = GetDC(pattern_);
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 240; ++x)
                SetPixelV(dc, x, y, RGB(x * 5, y * 3 + 40, ((x + 2 * y) & 0x7f) + 64));
        ReleaseDC(pattern_, dc);
        ASSERT_TRUE(start(SW_HIDE));
        RECT outer{0, 0, width, height};
        AdjustWindowRectEx(&outer, GetWindowLongA(window_, GWL_STYLE), FALSE, GetWindowLongA(window_, GWL_EXSTYLE));
        MoveWindow(window_, 20, 20, outer.right - outer.left, outer.bottom - outer.top, FALSE);
        ASSERT_TRUE(SetCursorPos(cursor.x, cursor.y));
        pumpMessages();
    }
    void TearDown() override
    {
        DestroyWindow(pattern_);
        VistrelTest::TearDown();
    }

    Pixels snapshot(int zoomLevel, int cursorType)
    {
        program.settings.ZoomLevel = zoomLevel;
        command(IDM_CURSOR_NONE + cursorType);
        renderView(window_, true);
        EXPECT_TRUE(program.snapshotWidth == width && program.snapshotHeight == height);
        return bitmapPixels(program.snapshotBitmap.get(), [](HDC) {});
    }
    // What the window shows: its own surface, whatever the X server has been told.
    Pixels shown()
    {
        HDC dc = GetDC(window_);
        const Pixels pixels = pixelsOf({0, 0, width, height}, dc);
        ReleaseDC(window_, dc);
        return pixels;
    }
    void tick() { SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0); }
    void repaint() { RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }
    LRESULT hotKey(int id) { return SendMessageA(window_, WM_HOTKEY, id, 0); }

    HWND pattern_ = nullptr;
};

TEST_F(ViewRenderTest, SnapshotsRepeatTheScreenPixelsAtBothZoomsWithEachIndicatorAtTheMarker)
{
    for (int zoomLevel : {1, 2}) {
        SCOPED_TRACE(zoomLevel == 1 ? "2X" : "4X");
        const int zoom = 1 << zoomLevel;
        const ViewPlacement view =
            placeView(cursor.x, cursor.y, width, height, zoomLevel, {0, 0, 1024, 768});
        // Every screen pixel of the source repeated z x z times.
        const Pixels source =
            pixelsOf({view.sourceX, view.sourceY, view.sourceX + view.sourceWidth, view.sourceY + view.sourceHeight});
        Pixels expected(width * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                expected[y * width + x] = source[(y / zoom) * view.sourceWidth + x / zoom];
        EXPECT_TRUE(snapshot(zoomLevel, 0) == expected);
        // Each indicator drawn over that at its own size: the arrow with its tip on the
        // marker, the 32 x 32 images (drawn, inverting pixels and all, from the icons
        // 106 to 108) centred on it.
        const POINT marker{view.markerX, view.markerY};
        for (int type = 1; type <= 4; ++type) {
            const HICON image = type == 1 ? LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))
                                          : static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                                          MAKEINTRESOURCEA(104 + type), IMAGE_ICON, 32, 32, 0));
            const int offset = type == 1 ? 0 : 15;
            snapshot(zoomLevel, 0);
            const Pixels wanted = bitmapPixels(program.snapshotBitmap.get(), [&](HDC dc) {
                DrawIconEx(dc, marker.x - offset, marker.y - offset, image, 0, 0, 0, nullptr, DI_NORMAL);
            });
            EXPECT_TRUE(snapshot(zoomLevel, type) == wanted) << "indicator " << type;
            // The Crosshair's centre is black, its edge white; Zero Sight leaves the
            // cursor's pixel in sight; the XORing one inverts it.
            const DWORD centre = wanted[marker.y * width + marker.x], under = expected[marker.y * width + marker.x];
            EXPECT_TRUE(type != 2 || (centre == black && wanted[marker.y * width + marker.x - 9] == white));
            EXPECT_TRUE(type != 3 || centre == under);
            EXPECT_TRUE(type != 4 || centre == (under ^ white));
        }
    }
}

TEST_F(ViewRenderTest, LiveFramesFollowTheCursorOnlyWhenItMovesUnlessUpdateAlways)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    const Pixels wanted = snapshot(1, 2);
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const Pixels background(wanted.size(), GetRValue(window) << 16 | GetGValue(window) << 8 | GetBValue(window));
    for (int always : {1, 0}) { // at rest, only Update Always draws over the repaint
        program.settings.UpdateAlways = always;
        repaint();
        tick();
        EXPECT_TRUE(shown() == (always ? wanted : background)) << always;
    }
    SetCursorPos(cursor.x, cursor.y + 1);
    tick();
    EXPECT_TRUE(shown() != background && program.lastCursorPos.y == cursor.y + 1);
    // Other timers draw nothing; a hidden window neither.
    SetCursorPos(cursor.x + 5, cursor.y);
    SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID + 1, 0);
    ShowWindow(window_, SW_HIDE);
    tick();
    EXPECT_EQ(program.lastCursorPos.x, cursor.x);
}

TEST_F(ViewRenderTest, FreezeHoldsTheSnapshotAndCopyPutsTheViewOnTheClipboard)
{
    // Live (and hidden): a fresh frame of the client size is copied and not kept.
    const Pixels live = snapshot(1, 2);
    program.snapshotBitmap.reset();
    takeClipboardDib();
    EXPECT_EQ(hotKey(HOTKEY_COPY), 0);
    EXPECT_EQ(program.snapshotBitmap.get(), nullptr);
    const DibPicture copied = takeClipboardDib();
    EXPECT_TRUE(copied.header.biWidth == width && copied.header.biHeight == height);
    EXPECT_EQ(copied.header.biBitCount, 24) << "the deep screen of the test display";
    EXPECT_TRUE(copied.pixels == live);

    // Frozen: the cursor moves, the timer ticks, nothing is rendered; a repaint and a
    // copy show the frozen picture. Released, the snapshot stays and the view goes on.
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    hotKey(HOTKEY_FREEZE);
    const HBITMAP frozen = program.snapshotBitmap.get();
    SetCursorPos(cursor.x + 30, cursor.y + 20);
    tick();
    EXPECT_EQ(program.lastCursorPos.x, cursor.x);
    repaint();
    EXPECT_TRUE(shown() == live);
    hotKey(HOTKEY_COPY);
    EXPECT_TRUE(program.viewFrozen && program.snapshotBitmap.get() == frozen && takeClipboardDib().pixels == live);
    hotKey(HOTKEY_FREEZE);
    EXPECT_TRUE(!program.viewFrozen && program.snapshotBitmap.get() == frozen);
    tick();
    EXPECT_EQ(program.lastCursorPos.x, cursor.x + 30);
}

} // namespace
