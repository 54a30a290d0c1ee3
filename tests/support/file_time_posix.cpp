#include <fcntl.h>
#include <sys/stat.h>

#include "tests/support/file_time.h"

namespace pickpath {

bool setFileTime(const std::string& path, std::int64_t seconds) {
    timespec times[2];
    times[0].tv_sec = static_cast<time_t>(seconds);
    times[0].tv_nsec = 0;
    times[1] = times[0];
    return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

}  // namespace pickpath
