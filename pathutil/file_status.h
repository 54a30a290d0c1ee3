#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace pickpath {

// The status of one path at the moment of construction, from the runtime's
// status query. A failed query is recorded (failed(), with errno kept), not thrown.
class FileStatus {
public:
    // Queries `path`; a path holding '/' is first normalised to backslashes.
    explicit FileStatus(const std::string& path);

    virtual bool failed() const;
    virtual std::int64_t size() const;
    virtual std::int64_t accessTime() const;
    virtual std::int64_t modifyTime() const;
    virtual std::int64_t createTime() const;
    virtual std::uint16_t mode() const;
    virtual bool isRegularFile() const;
    virtual bool isDirectory() const;

    // 0 after a successful query, else the errno the query left.
    int error() const { return errorCode; }

private:
    platform::StatusRecord status;  // all zero unless the query succeeds
    int errorCode = 0;
};

}  // namespace pickpath
