#include "app/write_line.h"

#include <iostream>

namespace pickpath {

bool writeLine(const std::string& text) {
    std::cerr << text.c_str() << std::endl;
    return true;
}

}  // namespace pickpath
