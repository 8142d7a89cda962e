// Rendering of the magnified view and repainting of the frozen snapshot.
#include "view.h"

#include "handles.h"
#include "identifiers.h"
#include "keyboard_follow.h"
#include "keyboard_watch.h"
#include "monitors.h"
#include "packed_dib.h"
#include "program_state.h"
#include "view_geometry.h"

namespace {

// The indicator images are 32 x 32 with their centre at (15, 15).
constexpr int indicatorSize = 32;
constexpr int indicatorCentre = 15;

void drawIndicator(HDC target, int markerX, int markerY)
{
    // DrawIconEx with a zero size draws the image at its own size; DrawIcon would
    // stretch it to the system icon size, which is larger than 32 at high DPI and
    // would move the indicator's centre off the marker.
    switch (program.settings.CursorType) {
    case Indicator::Arrow:
        DrawIconEx(target, markerX, markerY, program.arrowCursor, 0, 0, 0, nullptr, DI_NORMAL);
        break;
    case Indicator::Crosshair:
    case Indicator::ZeroSight:
    case Indicator::XoringCrosshair:
        if (program.indicatorIcon)
            DrawIconEx(target, markerX - indicatorCentre, markerY - indicatorCentre, program.indicatorIcon.get(), 0,
                       0, 0, nullptr, DI_NORMAL);
        break;
    case Indicator::None:
        break;
    }
}

void drawFrame(HDC target, HDC screen, const ViewPlacement& view, POINT mouse)
{
    // Enlarging repeats pixels and never blends them, at every sample rate: each pixel
    // becomes a whole square of the factor. Inverted colours come in the same blit, for
    // nothing; the indicator then keeps its own colours.
    const Zoom zoom = program.settings.ZoomFactor;
    const int factor = factorOf(zoom);
    SetStretchBltMode(target, COLORONCOLOR);
    StretchBlt(target, view.pictureX, view.pictureY, view.sourceWidth * factor, view.sourceHeight * factor, screen,
               view.sourceX, view.sourceY, view.sourceWidth, view.sourceHeight,
               program.settings.InvertColors ? NOTSRCCOPY : SRCCOPY);
    // The indicator marks the mouse, where the view shows it: a view of the keyboard's
    // place may not.
    if (viewShows(view, mouse.x, mouse.y)) {
        const ClientPoint marker = enlargedPixelCentre(view, zoom, mouse.x, mouse.y);
        drawIndicator(target, marker.x, marker.y);
    }
}

// Looked up again only when the cursor leaves it or the monitors change: the look-up
// costs as much as a tenth of a frame under Wine.
const ScreenRectangle& cursorMonitor(POINT cursor)
{
    const std::optional<ScreenRectangle>& known = program.cursorMonitor;
    if (!known || cursor.x < known->left || cursor.x >= known->right || cursor.y < known->top ||
        cursor.y >= known->bottom)
        program.cursorMonitor = monitorAt(cursor);
    return *program.cursorMonitor;
}

} // namespace

void renderView(HWND mainWindow, bool toSnapshot)
{
    if (program.viewFrozen)
        return;
    if (!toSnapshot && !IsWindowVisible(mainWindow))
        return;
    // Where the cursor cannot be read (a secure desktop is showing), it counts as
    // not moved.
    POINT mouse = program.lastCursorPos;
    GetCursorPos(&mouse);
    const bool mouseMoved = mouse.x != program.lastCursorPos.x || mouse.y != program.lastCursorPos.y;
    const KeyboardFollow follow = followKeyboard(program.keyboardFollow, mouseMoved, lookAtKeyboard());
    const bool keyboardMoved = follow.shown != program.keyboardFollow.shown;
    program.lastCursorPos = mouse;
    program.keyboardFollow = follow;
    if (!program.settings.UpdateAlways && !toSnapshot && !program.viewChanged && !mouseMoved && !keyboardMoved)
        return;
    program.viewChanged = false;
    // The view centres on the keyboard's place while it shows it, clamped to that
    // place's monitor.
    const POINT cursor = follow.shown ? POINT{follow.shown->x, follow.shown->y} : mouse;

    RECT client{};
    GetClientRect(mainWindow, &client);
    const int width = client.right, height = client.bottom;
    const ViewPlacement view =
        placeView(cursor.x, cursor.y, width, height, program.settings.ZoomFactor, cursorMonitor(cursor));

    ScreenDC screen;
    if (toSnapshot) {
        program.snapshotBitmap.reset();
        MemoryDC memory(screen);
        program.snapshotBitmap.reset(CreateCompatibleBitmap(screen, width, height));
        program.snapshotWidth = width;
        program.snapshotHeight = height;
        SelectedObject keep(memory, program.snapshotBitmap.get());
        drawFrame(memory, screen, view, mouse);
    } else {
        WindowDC window(mainWindow);
        drawFrame(window, screen, view, mouse);
    }
}

void forgetCursorMonitor()
{
    program.cursorMonitor.reset();
}

void paintSnapshot(HWND mainWindow)
{
    if (!program.snapshotBitmap)
        return;
    RECT client{};
    GetClientRect(mainWindow, &client);
    WindowDC window(mainWindow);
    MemoryDC memory(window);
    SelectedObject keep(memory, program.snapshotBitmap.get());
    // The context's own stretch mode: a picture shown smaller than it was taken
    // merges its pixels rather than dropping them.
    StretchBlt(window, 0, 0, client.right, client.bottom, memory, 0, 0, program.snapshotWidth,
               program.snapshotHeight, SRCCOPY);
}

void copyViewToClipboard(HWND mainWindow)
{
    const bool live = !program.viewFrozen;
    if (live)
        renderView(mainWindow, true);
    copyBitmapToClipboard(mainWindow, program.snapshotBitmap.get());
    if (live)
        program.snapshotBitmap.reset();
}

void loadIndicatorIcon(Indicator indicator)
{
    // Loaded at 32 x 32 whatever the DPI (LoadIcon would take the system icon size),
    // so the program owns the handle and frees the one it replaces.
    const int resource = IDI_INDICATOR_BASE + static_cast<int>(indicator);
    program.indicatorIcon.reset(static_cast<HICON>(LoadImageA(program.appInstance, MAKEINTRESOURCEA(resource), IMAGE_ICON,
                                                              indicatorSize, indicatorSize, LR_DEFAULTCOLOR)));
}
