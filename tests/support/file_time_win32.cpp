#include <sys/utime.h>

#include "tests/support/file_time.h"

namespace pickpath {

bool setFileTime(const std::string& path, std::int64_t seconds) {
    __utimbuf64 times;
    times.actime = seconds;
    times.modtime = seconds;
    return _utime64(path.c_str(), &times) == 0;
}

}  // namespace pickpath
