// The settings dialog of the dialog mode.
#pragma once

class GeneratorDraws;

// Shows the dialog once, its run planted from `draws`; true when it is to be shown
// again, false when the program is to end.
bool showConfigDialog(GeneratorDraws& draws);
