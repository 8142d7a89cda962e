// Rows of the results file, written with <charconv> so that neither the locale
// nor the C runtime's printf (MinGW's can write three exponent digits) shapes them.
#include "results_file.h"

#include <charconv>

std::string formatGeneral6(double value)
{
    // A density of -0 is a single series at 0, and is written so.
    if (value == 0)
        value = 0;
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string formatResultRow(double density, std::int32_t fireTime, double burntFraction, int crossed)
{
    return formatGeneral6(density) + ' ' + std::to_string(fireTime) + ' ' + formatGeneral6(burntFraction) +
           (crossed < 0 ? "" : crossed ? " 1" : " 0") + "\r\n";
}

ResultsFile::ResultsFile(const std::filesystem::path& fileName)
{
    // Binary mode: the rows carry their own CR LF on every platform.
#ifdef _WIN32
    file_.reset(_wfopen(fileName.c_str(), L"ab"));
#else
    file_.reset(std::fopen(fileName.c_str(), "ab"));
#endif
}

void ResultsFile::writeRow(double density, std::int32_t fireTime, double burntFraction, int crossed)
{
    std::string row = formatResultRow(density, fireTime, burntFraction, crossed);
    if (std::fwrite(row.data(), 1, row.size(), file_.get()) != row.size())
        failed_ = true;
}

bool ResultsFile::close()
{
    if (file_ && std::fclose(file_.release()) != 0)
        failed_ = true;
    return !failed_;
}
