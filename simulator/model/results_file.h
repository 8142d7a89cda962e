// The results file: one row per trial appended to a plain text file.
#pragma once
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

// "density fireTime burntFraction" and CR LF, numbers as printf's %g would write
// them in the C locale (six significant digits, "1e-05"), whatever the user's locale.
// An edge-lit fire's row ends with " 1" when it crossed the forest, " 0" when not.
std::string formatResultRow(double density, std::int32_t fireTime, double burntFraction, int crossed = -1);
std::string formatGeneral6(double value);

// Opened for appending (created when missing), closed on destruction. Remembers
// whether anything failed so that the run can tell the user its rows were lost.
class ResultsFile {
public:
    explicit ResultsFile(const std::filesystem::path& fileName);
    bool isOpen() const { return file_ != nullptr; }
    void writeRow(double density, std::int32_t fireTime, double burntFraction, int crossed = -1);
    bool close(); // true when every row reached the file

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
    bool failed_ = false;
};
