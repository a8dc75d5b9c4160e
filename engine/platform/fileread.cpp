#include "engine/platform/fileread.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

int readError(const char* path)
{
    int fd = open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK); // a pipe must not hold us
    if (fd < 0)
        return errno;
    struct stat st;
    int error = fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : EISDIR;
    close(fd);
    return error;
}

} // namespace platform
