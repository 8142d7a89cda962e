// Docking as a toolbar and leaving it, shown and hidden: the window's rectangle, the
// menu marks, and whether the shell holds a bar at the top of the screen (which the
// fixture checks as the window's state, and again at each test's end).
#include "vistrel_fixture.h"

#include "single_instance.h"
#include "tray_icon.h"

class ToolbarTest : public VistrelTest {
protected:
    void SetUp() override
    {
        VistrelTest::SetUp();
        writeSettingsValue("AllwaysOnTop", littleEndian({0}));
        writeSettingsValue("WindowPosition", littleEndian({120, 80, 320, 230}));
    }
};

// The bar: across the top of the 1024 x 768 screen, an eighth of its height. (The key
// holds some values, so the others have the defaults of a missing value: 4X, Arrow.)
const std::string docked = " 0,0,1024,96 [&4X Zoom] [Always &on Top] [&Toolbar Mode] [&Arrow] ";
const std::string floating = " 120,80,320,230 [&4X Zoom] [&Arrow] ";
const std::string settings = "| bar 1 top 0 keys 0 always 0 fast 0 cursor 1 zoom 4/2 invert 0 at 120,80,320,230";
const std::string floatingSettings = "| bar 0 top 0 keys 0 always 0 fast 0 cursor 1 zoom 4/2 invert 0 at 120,80,320,230";
const std::string shownDocked = docked + "[&Hide] " + settings + " held";

TEST_F(ToolbarTest, DockingAShownWindowAndLeavingAgain)
{
    ASSERT_TRUE(start());
    // A refused registration changes nothing. (The shell refuses a second bar for a
    // window it already knows.)
    APPBARDATA known{sizeof known, window_};
    ASSERT_TRUE(SHAppBarMessage(ABM_NEW, &known));
    command(IDM_TOOLBAR_MODE);
    SHAppBarMessage(ABM_REMOVE, &known);
    EXPECT_EQ(state(), "shown" + floating + "[&Hide] " + floatingSettings);
    EXPECT_EQ(afterCommand(IDM_TOOLBAR_MODE), "shown" + shownDocked);
    // Hidden and shown, it docks anew and still knows where it floated.
    command(IDM_SHOW_HIDE);
    EXPECT_EQ(afterCommand(IDM_SHOW_HIDE), "shown" + shownDocked);
    // A restarted shell knows no bars: the window registers its own again.
    SHAppBarMessage(ABM_REMOVE, &known);
    SendMessageA(window_, taskbarCreatedMessage(), 0, 0);
    EXPECT_EQ(state(), "shown" + shownDocked);
    EXPECT_EQ(afterCommand(IDM_TOOLBAR_MODE), "shown" + floating + "[&Hide] " + floatingSettings);
}

TEST_F(ToolbarTest, DockingAHiddenWindowWaitsForItToShow)
{
    ASSERT_TRUE(start(SW_HIDE));
    // Never registered: nothing to move it to yet.
    EXPECT_EQ(afterCommand(IDM_TOOLBAR_MODE),
              "hidden 120,80,320,230 [&4X Zoom] [Always &on Top] [&Toolbar Mode] [&Arrow] [&Show] " + settings);
    EXPECT_EQ(afterCommand(IDM_SHOW_HIDE), "shown" + shownDocked);
    // Hidden again, the bar goes but the mode stays.
    EXPECT_EQ(afterCommand(IDM_SHOW_HIDE), "hidden" + docked + "[&Show] " + settings);
    // Leaving the mode while hidden moves the window back; in again, hidden, it takes
    // the last granted rectangle.
    EXPECT_EQ(afterCommand(IDM_TOOLBAR_MODE), "hidden" + floating + "[&Show] " + floatingSettings);
    EXPECT_EQ(afterCommand(IDM_TOOLBAR_MODE), "hidden" + docked + "[&Show] " + settings);
    // Ended docked, the next start docks again, and the floating place is kept.
    destroy();
    ASSERT_TRUE(start());
    EXPECT_EQ(state(), "shown top" + shownDocked);
}

TEST_F(ToolbarTest, AfterADisplayChangeTheBarSpansTheScreenAndAFloatingWindowIsBackOnItAtItsSize)
{
    ASSERT_TRUE(start());
    command(IDM_TOOLBAR_MODE);
    MoveWindow(window_, 0, 0, 640, 60, FALSE); // the bar of a smaller screen
    SendMessageA(window_, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
    EXPECT_EQ(state(), "shown" + shownDocked);
    command(IDM_TOOLBAR_MODE);
    MoveWindow(window_, 3000, 2000, 200, 150, FALSE); // on a monitor that has gone
    SendMessageA(window_, WM_DISPLAYCHANGE, 24, MAKELPARAM(1024, 768));
    const std::string floatingThere = "shown 824,618,1024,768 [&4X Zoom] [&Arrow] [&Hide] " + floatingSettings;
    EXPECT_EQ(state(), floatingThere);
    // A change of DPI leaves the window its size in pixels.
    RECT suggested{1236, 927, 1536, 1152};
    SendMessageA(window_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(state(), floatingThere);
}

// A second start's request to show, answered inside start-up's wait on the shell.
BOOL WINAPI askToShowWhileAdding(DWORD message, PNOTIFYICONDATAA data)
{
    if (message == NIM_ADD)
        SendMessageA(data->hWnd, showInstanceMessage(), 0, 0);
    return Shell_NotifyIconA(message, data);
}

TEST_F(ToolbarTest, AShowRequestDuringAHiddenStartDocksOnceWhenStartUpIsOver)
{
    writeSettingsValue("AppBarMode", littleEndian({1}));
    shellNotifyIcon = askToShowWhileAdding;
    ASSERT_TRUE(start(SW_HIDE));
    EXPECT_EQ(state(), "shown top" + shownDocked);
}

TEST_F(ToolbarTest, TheBarDocksOnTheMonitorOfTheWindowNotThePrimaryOne)
{
    splitScreenIntoTwoMonitors();
    ASSERT_TRUE(start());
    MoveWindow(window_, 600, 80, 200, 150, FALSE);
    EXPECT_EQ(afterCommand(IDM_TOOLBAR_MODE).substr(0, 19), "shown 512,0,1024,96");
}
