// The results file: one row per trial appended to a plain text file.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// "density fireTime burntFraction" and CR LF, numbers as printf's %g would write
// them in the C locale (six significant digits, "1e-05"), whatever the user's locale.
// An edge-lit fire's row ends with " 1" when it crossed the forest, " 0" when not.
std::string formatResultRow(double density, std::int32_t fireTime, double burntFraction, int crossed = -1);
std::string formatGeneral6(double value);

// Opened for appending (created when missing), closed on destruction. Each row
// reaches the file in one write of its own, so a run stopped at any moment (even by
// kill -9) leaves whole rows; a last line left without its end, by a program that was
// stopped while writing or an editor, is ended first so that no row is glued to it.
// Remembers the first failure so that the run can tell the user its rows were lost.
class ResultsFile {
public:
    explicit ResultsFile(const std::filesystem::path& fileName);
    ~ResultsFile();
    ResultsFile(const ResultsFile&) = delete;
    ResultsFile& operator=(const ResultsFile&) = delete;
    bool isOpen() const { return descriptor_ >= 0; }
    void writeRow(double density, std::int32_t fireTime, double burntFraction, int crossed = -1);
    bool close(); // true when every row reached the file
    std::error_code error() const { return error_; }
    bool endedCutLine() const { return endedCutLine_; } // the file's last line had no end

private:
    void write(std::string_view bytes);
    void endLastLine();
    int descriptor_ = -1;
    std::error_code error_;
    bool endedCutLine_ = false;
};
