#include "strutil/replace_char.h"

namespace pickpath {

std::string replaceChar(const std::string& text, char from, char to) {
    std::string copy = text;
    for (char& c : copy) {
        if (c == from) c = to;
    }
    return copy;
}

}  // namespace pickpath
