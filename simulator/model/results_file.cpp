// Rows of the results file, written with <charconv> so that neither the locale
// nor the C runtime's printf (MinGW's can write three exponent digits) shapes them.
#include "results_file.h"

#include <cerrno>
#include <charconv>
#include <utility>
#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif
#include <sys/stat.h>

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

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

// Read and write where it can, so that the last byte can be checked; write only
// where the file may not be read.
int openForAppending(const std::filesystem::path& fileName)
{
#ifdef _WIN32
    const int flags = _O_APPEND | _O_CREAT | _O_BINARY | _O_NOINHERIT;
    int descriptor = _wopen(fileName.c_str(), flags | _O_RDWR, _S_IREAD | _S_IWRITE);
    if (descriptor < 0 && errno == EACCES)
        descriptor = _wopen(fileName.c_str(), flags | _O_WRONLY, _S_IREAD | _S_IWRITE);
#else
    const int flags = O_APPEND | O_CREAT | O_CLOEXEC;
    int descriptor = open(fileName.c_str(), flags | O_RDWR, 0666);
    if (descriptor < 0 && errno == EACCES)
        descriptor = open(fileName.c_str(), flags | O_WRONLY, 0666);
#endif
    return descriptor;
}

// 64-bit offsets on both: Windows' plain lseek stops at 2 GiB.
std::int64_t seekFromEnd(int descriptor, std::int64_t offset)
{
#ifdef _WIN32
    return _lseeki64(descriptor, offset, SEEK_END);
#else
    return lseek(descriptor, offset, SEEK_END);
#endif
}

void truncateTo(int descriptor, std::int64_t size)
{
#ifdef _WIN32
    _chsize_s(descriptor, size);
#else
    static_cast<void>(ftruncate(descriptor, size));
#endif
}

} // namespace

ResultsFile::ResultsFile(const std::filesystem::path& fileName) : descriptor_(openForAppending(fileName))
{
    if (descriptor_ < 0)
        error_ = lastError();
    else
        endLastLine();
}

ResultsFile::~ResultsFile() { close(); }

void ResultsFile::endLastLine()
{
    // Only a regular file has a last line; a pipe or a terminal is never read.
    struct stat info {};
    if (fstat(descriptor_, &info) != 0 || !S_ISREG(info.st_mode))
        return;
    char last = '\n';
    if (seekFromEnd(descriptor_, -1) >= 0 && read(descriptor_, &last, 1) == 1 && last != '\n') {
        write(last == '\r' ? "\n" : "\r\n");
        endedCutLine_ = true;
    }
}

void ResultsFile::write(std::string_view bytes)
{
    if (!isOpen() || error_)
        return;
    // A regular file takes a short row whole; a short write means the disk is full,
    // and the piece written is taken back so that the file keeps whole rows.
    const auto written = ::write(descriptor_, bytes.data(), static_cast<unsigned>(bytes.size()));
    if (written < 0) {
        error_ = lastError();
    } else if (static_cast<std::size_t>(written) != bytes.size()) {
        error_ = std::make_error_code(std::errc::no_space_on_device);
        if (const std::int64_t end = seekFromEnd(descriptor_, 0); end >= written)
            truncateTo(descriptor_, end - written);
    }
}

void ResultsFile::writeRow(double density, std::int32_t fireTime, double burntFraction, int crossed)
{
    write(formatResultRow(density, fireTime, burntFraction, crossed));
}

bool ResultsFile::close()
{
    if (isOpen() && ::close(std::exchange(descriptor_, -1)) != 0 && !error_)
        error_ = lastError();
    return !error_;
}
