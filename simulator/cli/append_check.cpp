// The check asks the system what an append would meet: the file opened for writing
// and handed nothing to write, which a device such as /dev/full already refuses.
#include "append_check.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::error_code lastError() { return {errno, std::generic_category()}; }
} // namespace

std::error_code appendCheck(const std::filesystem::path& file)
{
    if (file.empty())
        return std::make_error_code(std::errc::no_such_file_or_directory);
    struct stat info {};
    if (stat(file.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            return std::make_error_code(std::errc::is_a_directory);
        // A named pipe may get its reader only once the run writes: opening it without
        // one would be refused (ENXIO) or would wait.
        if (S_ISFIFO(info.st_mode))
            return faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0 ? std::error_code{} : lastError();
        const int descriptor = open(file.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (descriptor < 0)
            return lastError();
        const std::error_code refused = write(descriptor, "", 0) < 0 ? lastError() : std::error_code{};
        close(descriptor);
        return refused;
    }
    if (errno != ENOENT)
        return lastError();
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    return faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0 ? std::error_code{} : lastError();
}
