#pragma once

// Base for tests that run against the scripted platform: each test starts
// from a fresh fake, with standard error captured.

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "tests/support/fake_platform.h"

namespace pickpath {

class FakePlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        saved_ = std::cerr.rdbuf(captured_.rdbuf());
    }
    void TearDown() override {
        std::cerr.rdbuf(saved_);
        fake::reset();  // no code page or script is left for a later test
    }

    fake::Platform& platform() { return fake::platform(); }
    std::string standardError() const { return captured_.str(); }

    // A status answer for `path`: a directory, or a file of `size` bytes.
    void addDirectory(const std::string& path) { addStatus(path, 0x41ED, 0); }
    void addFile(const std::string& path, std::int64_t size = 10) { addStatus(path, 0x81A4, size); }
    void addStatus(const std::string& path, std::uint16_t mode, std::int64_t size) {
        platform().statuses[path] = {0, 0, {mode, size}};
    }

private:
    std::ostringstream captured_;
    std::streambuf* saved_ = nullptr;
};

}  // namespace pickpath
