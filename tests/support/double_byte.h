#pragma once

// Double-byte characters whose second byte is '\\' or '|' (0x5C, 0x7C), which a
// byte-wise scan would cut in half; and a UTF-8 one, in which no byte is ASCII.

#include <string>
#include <vector>

namespace pickpath::doublebyte {

const std::string kSo = "\x83\x5C";                           // ソ in 932
const std::string kSource = kSo + "\x81\x5B" "\x83\x58";      // ソース in 932
const std::string kHyo = "\x95\x5C";                          // 表 in 932
const std::string kNou = "\x94\x5C";                          // 能 in 932
const std::string kReport = "\x83\x8C" "\x83\x7C" "\x81\x5B" "\x83\x67";  // レポート in 932, ポ 83 7C
const std::string kCheng = "\xD5\x5C";      // 誠 in 936
const std::string kYun = "\xDF\x5C";        // 運 in 936
const std::string kGong = "\xA5\x5C";       // 功 in 950
const std::string kXu = "\xB3\x5C";         // 許 in 950
const std::string kHan = "\xC7\xD1";        // 한 in 949, where no second byte is 0x5C
const std::string kHyoUtf8 = "\xE8\xA1\xA8";  // 表 in UTF-8

// What the path helpers give for a path in one ANSI code page; in a single-byte
// one the bytes of ソ are two characters, the second a backslash.
struct PathRow {
    unsigned codePage;
    std::string path;
    std::string normalized;  // with the backslash as separator
    std::string parent;
};

inline std::vector<PathRow> pathRows() {
    const std::string dir = "C:\\dir\\";
    const std::string share = "\\\\srv\\share\\";
    return {
        {932, dir + kSource + ".txt", dir + kSource + ".txt", "C:\\dir"},
        {932, "C:\\" + kHyo + "\\a.txt", "C:\\" + kHyo + "\\a.txt", "C:\\" + kHyo},
        {932, "C:/dir/" + kHyo + "\\a.txt", dir + kHyo + "\\a.txt", "C:/dir/" + kHyo},
        {932, share + kNou + "\\x", share + kNou + "\\x", share + kNou},
        {932, dir + kSo, dir + kSo, "C:\\dir"},
        {932, dir + kSo + "\\", dir + kSo, dir + kSo},
        {932, "//srv//share/" + kSo + "/", share + kSo, "//srv//share/" + kSo},
        {932, dir + "\x83", dir + "\x83", "C:\\dir"},  // a lone lead byte at the end
        {936, dir + kCheng + ".txt", dir + kCheng + ".txt", "C:\\dir"},
        {936, "C:/dir/" + kYun + "\\a.txt", dir + kYun + "\\a.txt", "C:/dir/" + kYun},
        {950, dir + kGong + ".txt", dir + kGong + ".txt", "C:\\dir"},
        {950, "C:/dir/" + kXu + "\\a.txt", dir + kXu + "\\a.txt", "C:/dir/" + kXu},
        {949, dir + kHan + ".txt", dir + kHan + ".txt", "C:\\dir"},
        {949, "C:/dir/" + kHan + "\\a.txt", dir + kHan + "\\a.txt", "C:/dir/" + kHan},
        {1252, dir + kSo, dir + "\x83", dir + "\x83"},
        {1251, "C:/dir/" + kHyo + "\\a.txt", dir + "\x95\\a.txt", "C:/dir/" + kHyo},
        {1250, dir + kSo, dir + "\x83", dir + "\x83"},
        {65001, "C:/dir/" + kHyoUtf8 + "\\a.txt", dir + kHyoUtf8 + "\\a.txt", "C:/dir/" + kHyoUtf8},
    };
}

}  // namespace pickpath::doublebyte
