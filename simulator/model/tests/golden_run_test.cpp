// Every build must plant the same forests and print the same rows: this run's
// file, computed once, is compared byte for byte by the native build and by the
// Windows build under Wine.
#include "experiment.h"
#include "model_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

TEST_F(ForestTest, KnownSeedGivesTheKnownRowsOnEveryBuild)
{
    clockNow = 1000000000;
    auto file = std::filesystem::temp_directory_path() / "ignaro-golden-rows.txt";
    std::filesystem::remove(file);
    runExperiment(100, 80, 0.41, 4, true, file);
    runExperiment(37, 53, -0.97, 1, true, file);
    std::ifstream in(file, std::ios::binary);
    std::ostringstream rows;
    rows << in.rdbuf();
    in.close();
    std::filesystem::remove(file);
    EXPECT_EQ(rows.str(), "0.41 15 0.010674\r\n"
                          "0.41 114 0.631595\r\n"
                          "0.41 110 0.710887\r\n"
                          "0.41 8 0.00823422\r\n"
                          "0.97 28 1\r\n"
                          "0.98 28 1\r\n"
                          "0.99 28 1\r\n"
                          "1 28 1\r\n");
}
