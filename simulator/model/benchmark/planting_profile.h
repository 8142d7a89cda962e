// The planting as it was first written, a generator step, two extended-precision
// products and a truncation per coordinate, timed against plantTrees on the same
// forests.
#pragma once

void printPlantingProfile(double secondsBudget);
