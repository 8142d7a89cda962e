// The settings dialog of the dialog mode.
#pragma once

// Shows the dialog once; true when it is to be shown again, false when the
// program is to end.
bool showConfigDialog();
