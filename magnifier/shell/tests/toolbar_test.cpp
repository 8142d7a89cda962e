// Docking as a toolbar and leaving it, shown and hidden, with the window's rectangle,
// the menu marks and whether the shell holds a bar for the window.
#include "vistrel_fixture.h"

#include "identifiers.h"
#include "program_state.h"
#include "settings.h"
#include "toolbar.h"

namespace {

constexpr RECT floating{120, 80, 320, 230};

// Whether some bar holds the top of the screen: the shell then offers a newcomer
// the place below it.
bool topOfScreenIsTaken()
{
    HWND probe = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                                 nullptr);
    APPBARDATA bar{};
    bar.cbSize = sizeof bar;
    bar.hWnd = probe;
    bar.uEdge = ABE_TOP;
    bar.rc = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), 20};
    bool taken = false;
    if (SHAppBarMessage(ABM_NEW, &bar)) {
        SHAppBarMessage(ABM_QUERYPOS, &bar);
        taken = bar.rc.top > 0;
        SHAppBarMessage(ABM_REMOVE, &bar);
    } else {
        ADD_FAILURE() << "the shell refused the probe's bar";
    }
    DestroyWindow(probe);
    return taken;
}

class ToolbarTest : public VistrelTest {
protected:
    void SetUp() override
    {
        VistrelTest::SetUp();
        writeSettingsValue("AllwaysOnTop", REG_BINARY, littleEndian({0}));
        writeSettingsValue("WindowPosition", REG_BINARY,
                           littleEndian({floating.left, floating.top, floating.right, floating.bottom}));
        ASSERT_FALSE(topOfScreenIsTaken());
    }
    void TearDown() override
    {
        VistrelTest::TearDown();
        EXPECT_FALSE(topOfScreenIsTaken()) << "a bar was left behind";
    }

    void command(UINT id) { SendMessageA(window_, WM_COMMAND, id, 0); }
    void expectDocked()
    {
        const RECT r = windowRect(window_);
        EXPECT_EQ(r.left, 0);
        EXPECT_EQ(r.top, 0);
        EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
        EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN) / 8);
    }
    void expectFloating()
    {
        const RECT r = windowRect(window_);
        EXPECT_EQ(r.left, floating.left);
        EXPECT_EQ(r.top, floating.top);
        EXPECT_EQ(r.right, floating.right);
        EXPECT_EQ(r.bottom, floating.bottom);
    }
};

TEST_F(ToolbarTest, DockingAShownWindowAndLeavingAgain)
{
    ASSERT_TRUE(start());
    command(IDM_TOOLBAR_MODE);
    EXPECT_EQ(Settings.AppBarMode, 1);
    expectDocked();
    EXPECT_TRUE(isChecked(IDM_TOOLBAR_MODE));
    EXPECT_TRUE(isChecked(IDM_ALWAYS_ON_TOP));  // docked, whatever the setting holds
    EXPECT_EQ(Settings.AllwaysOnTop, 0);
    EXPECT_TRUE(topOfScreenIsTaken());
    const ScreenRectangle& kept = Settings.WindowPosition;
    EXPECT_EQ(kept.left, floating.left);
    EXPECT_EQ(kept.bottom, floating.bottom);

    command(IDM_TOOLBAR_MODE);
    EXPECT_EQ(Settings.AppBarMode, 0);
    expectFloating();
    EXPECT_FALSE(isChecked(IDM_TOOLBAR_MODE));
    EXPECT_FALSE(isChecked(IDM_ALWAYS_ON_TOP));  // the setting's own mark again
    EXPECT_FALSE(topOfScreenIsTaken());
}

TEST_F(ToolbarTest, DockingAHiddenWindowWaitsForItToShow)
{
    ASSERT_TRUE(start(SW_HIDE));
    command(IDM_TOOLBAR_MODE);
    EXPECT_EQ(Settings.AppBarMode, 1);
    EXPECT_TRUE(isChecked(IDM_TOOLBAR_MODE));
    EXPECT_TRUE(isChecked(IDM_ALWAYS_ON_TOP));
    EXPECT_FALSE(topOfScreenIsTaken());
    expectFloating();  // never registered: nothing to move it to yet

    // Shown, it docks.
    command(IDM_SHOW_HIDE);
    EXPECT_TRUE(IsWindowVisible(window_));
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Hide");
    EXPECT_EQ(Settings.AppBarMode, 1);
    expectDocked();
    EXPECT_TRUE(topOfScreenIsTaken());

    // Hidden again, the bar goes but the mode stays, and is saved so.
    command(IDM_SHOW_HIDE);
    EXPECT_FALSE(IsWindowVisible(window_));
    EXPECT_EQ(itemText(IDM_SHOW_HIDE), "&Show");
    EXPECT_EQ(Settings.AppBarMode, 1);
    EXPECT_FALSE(topOfScreenIsTaken());
    EXPECT_TRUE(isChecked(IDM_TOOLBAR_MODE));

    // Leaving the mode while hidden removes nothing more and moves the window back.
    command(IDM_TOOLBAR_MODE);
    EXPECT_EQ(Settings.AppBarMode, 0);
    EXPECT_FALSE(isChecked(IDM_TOOLBAR_MODE));
    command(IDM_TOOLBAR_MODE);  // and in again, hidden: to the last granted rectangle
    expectDocked();
    EXPECT_FALSE(topOfScreenIsTaken());
    destroy();
    EXPECT_EQ(readSettingsValue("AppBarMode"), littleEndian({1}));
}

TEST_F(ToolbarTest, ARefusedRegistrationChangesNothing)
{
    ASSERT_TRUE(start());
    // The shell refuses a second bar for a window it already knows.
    APPBARDATA existing{};
    existing.cbSize = sizeof existing;
    existing.hWnd = window_;
    ASSERT_TRUE(SHAppBarMessage(ABM_NEW, &existing));
    command(IDM_TOOLBAR_MODE);
    EXPECT_EQ(Settings.AppBarMode, 0);
    expectFloating();
    EXPECT_FALSE(isChecked(IDM_TOOLBAR_MODE));
    EXPECT_FALSE(isChecked(IDM_ALWAYS_ON_TOP));
    SHAppBarMessage(ABM_REMOVE, &existing);
}

} // namespace
