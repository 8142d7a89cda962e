// Frames of the magnified view over a known picture on the screen, compared pixel for
// pixel at 2X, 4X and 16X, inverted and not, with each indicator at the marker point; live frames, the frozen
// view and the picture the copy hotkey puts on the clipboard.
#include "vistrel_fixture.h"

#include "clipboard_probe.h"
#include "view.h"
#include "view_geometry.h"

#include <functional>

using Pixels = std::vector<DWORD>; // 0x00RRGGBB, rows top first

constexpr POINT cursor{420, 290};
constexpr int width = 120, height = 80; // of the client area

class ViewRenderTest : public VistrelTest {
protected:
    // A topmost window showing a picture whose neighbouring pixels differ in every
    // direction around the cursor, and a hidden main window away from it.
    void SetUp() override
    {
        VistrelTest::SetUp();
        pattern_.reset(CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 300, 200, 240, 180, nullptr,
                                       nullptr, nullptr, nullptr));
        UpdateWindow(pattern_.get());
        const WindowDC dc(pattern_.get());
        for (int y = 0; y < 180; ++y)
            for (int x = 0; x < 240; ++x)
                SetPixelV(dc, x, y, RGB(x * 5, y * 3 + 40, ((x + 2 * y) & 0x7f) + 64));
        ASSERT_TRUE(start(SW_HIDE));
        RECT outer{0, 0, width, height};
        AdjustWindowRectEx(&outer, GetWindowLongA(window_, GWL_STYLE), FALSE, GetWindowLongA(window_, GWL_EXSTYLE));
        MoveWindow(window_, 20, 20, outer.right - outer.left, outer.bottom - outer.top, FALSE);
        ASSERT_TRUE(SetCursorPos(cursor.x, cursor.y));
        pumpMessages();
    }
    // A fresh snapshot with the indicator, and whatever draw() adds on top of it.
    Pixels snapshot(Zoom zoom, int cursorType, const std::function<void(HDC)>& draw = [](HDC) {})
    {
        program.settings.ZoomFactor = zoom;
        command(IDM_CURSOR_NONE + cursorType);
        renderView(window_, true);
        const MemoryDC memory(nullptr);
        const SelectedObject keep(memory, program.snapshotBitmap.get());
        draw(memory);
        return pixelsOf({0, 0, width, height}, memory);
    }
    // What the window shows: its own surface, whatever the X server has been told.
    Pixels shown() { return pixelsOf({0, 0, width, height}, WindowDC(window_)); }
    // The placement's screen pixels, each repeated factor x factor times, inverted or not.
    static Pixels enlarged(const ViewPlacement& view, int factor, int inverted)
    {
        const Pixels source =
            pixelsOf({view.sourceX, view.sourceY, view.sourceX + view.sourceWidth, view.sourceY + view.sourceHeight});
        Pixels expected(width * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                expected[y * width + x] = source[(y - view.pictureY) / factor * view.sourceWidth +
                                                 (x - view.pictureX) / factor] ^ (inverted ? 0xffffff : 0);
        return expected;
    }
    void tick() { SendMessageA(window_, WM_TIMER, VIEW_TIMER_ID, 0); }

    std::unique_ptr<HWND__, BOOL(WINAPI*)(HWND)> pattern_{nullptr, DestroyWindow};
};

TEST_F(ViewRenderTest, SnapshotsRepeatTheScreenPixelsAtEachZoomInvertedOrNotWithEachIndicatorAtTheMarker)
{
    // 120 is no multiple of 16: the last column shows half a pixel.
    for (auto [zoom, inverted] : {std::pair{Zoom::X2, 0}, {Zoom::X4, 0}, {Zoom::X16, 0}, {Zoom::X16, 1}}) {
        SCOPED_TRACE(testing::Message() << factorOf(zoom) << "X" << (inverted ? " inverted" : ""));
        program.settings.InvertColors = inverted;
        const ViewPlacement view = placeView(cursor.x, cursor.y, width, height, zoom, {0, 0, 1024, 768});
        const Pixels expected = enlarged(view, factorOf(zoom), inverted);
        EXPECT_TRUE(snapshot(zoom, 0) == expected);
        // Each indicator drawn over that in its own colours at its own size: the arrow
        // with its tip on the marker, the 32 x 32 images (drawn, inverting pixels and
        // all, from the icons 106 to 108) centred on it.
        const int marker = view.markerY * width + view.markerX;
        for (int type = 1; type <= 4; ++type) {
            const HICON image = type == 1 ? LoadCursorA(nullptr, MAKEINTRESOURCEA(32512))
                                          : static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr),
                                                                          MAKEINTRESOURCEA(104 + type), IMAGE_ICON, 32, 32, 0));
            const int offset = type == 1 ? 0 : 15;
            const Pixels wanted = snapshot(zoom, 0, [&](HDC dc) {
                DrawIconEx(dc, view.markerX - offset, view.markerY - offset, image, 0, 0, 0, nullptr, DI_NORMAL);
            });
            EXPECT_TRUE(snapshot(zoom, type) == wanted) << "indicator " << type;
            // The Crosshair's centre is black, Zero Sight leaves the cursor's pixel in
            // sight, the XORing one inverts it.
            const DWORD under = expected[marker], centre[] = {wanted[marker], 0, under, under ^ 0xffffff};
            EXPECT_EQ(wanted[marker], centre[type - 1]) << "the centre of indicator " << type;
        }
    }
}

TEST_F(ViewRenderTest, LiveFramesFollowTheCursorOnlyWhenItMovesUnlessUpdateAlways)
{
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    const Pixels wanted = snapshot(Zoom::X2, 2);
    // The class brush's colour, 0x00BBGGRR turned into 0x00RRGGBB.
    const Pixels background(wanted.size(), _byteswap_ulong(GetSysColor(COLOR_WINDOW)) >> 8);
    for (int always : {1, 0}) { // at rest, only Update Always draws over the repaint
        program.settings.UpdateAlways = always;
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        tick();
        EXPECT_TRUE(shown() == (always ? wanted : background)) << always;
    }
    SetCursorPos(cursor.x, cursor.y + 1);
    tick();
    EXPECT_TRUE(shown() != background && program.lastCursorPos.y == cursor.y + 1);
    // A hidden window draws nothing.
    SetCursorPos(cursor.x + 5, cursor.y);
    ShowWindow(window_, SW_HIDE);
    tick();
    EXPECT_EQ(program.lastCursorPos.x, cursor.x);
}

TEST_F(ViewRenderTest, FreezeHoldsTheSnapshotAndCopyPutsTheViewOnTheClipboard)
{
    // (A live copy renders a frame of its own: the end-to-end test presses the hotkey.)
    // Inverted colours stay in the frozen and the copied picture.
    program.settings.InvertColors = 1;
    const Pixels live = snapshot(Zoom::X2, 2);
    // Frozen: the cursor moves, the timer ticks, nothing is rendered; a copy and then a
    // repaint show the frozen picture. Released, the view goes on.
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    SendMessageA(window_, WM_HOTKEY, HOTKEY_FREEZE, 0);
    SetCursorPos(cursor.x + 30, cursor.y + 20);
    tick();
    EXPECT_EQ(program.lastCursorPos.x, cursor.x);
    SendMessageA(window_, WM_HOTKEY, HOTKEY_COPY, 0);
    EXPECT_TRUE(takeClipboardDib().pixels == live);
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(shown() == live);
    SendMessageA(window_, WM_HOTKEY, HOTKEY_FREEZE, 0);
    tick();
    EXPECT_EQ(program.lastCursorPos.x, cursor.x + 30);
}

TEST_F(ViewRenderTest, TheViewStopsAtTheEdgeOfTheCursorsMonitorNotThePrimaryOne)
{
    // Just right of the primary monitor's edge: the picture starts at that edge
    // (the cursor's monitor) rather than 25 pixels left of it (the primary's).
    splitScreenIntoTwoMonitors();
    SetCursorPos(515, cursor.y);
    EXPECT_TRUE(snapshot(Zoom::X4, 0) ==
                enlarged(placeView(515, cursor.y, width, height, Zoom::X4, {512, 0, 1024, 768}), 4, 0));
}
