// One Vistrel per desktop: a later start hands over to the running one and ends.
#pragma once
#include <windows.h>

// The message a later start sends to the running instance's window: show yourself
// if you are hidden.
UINT showInstanceMessage();

// True when this process is the one to run. Otherwise the running instance has been
// asked to show itself and brought to the foreground (when it could be found).
bool claimSingleInstance();
