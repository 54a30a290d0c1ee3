#include "strutil/replace_char.h"

#include "strutil/characters.h"

namespace pickpath {

std::string replaceChar(const std::string& text, char from, char to) {
    std::string copy = text;
    for (std::size_t i = 0, length = 0; i < copy.size(); i += length) {
        length = characterLength(copy, i);
        if (length == 1 && copy[i] == from) copy[i] = to;
    }
    return copy;
}

}  // namespace pickpath
