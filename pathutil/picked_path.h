#pragma once

#include <string>

namespace pickpath {

// The text to write for `picked`, a path that a dialog gave in the platform's
// own form: in the ANSI code page, exactly, and naming the item the dialog
// listed. A component the code page cannot hold becomes its short (8.3) name
// where that is held and the result's long form is the picked path (for a
// typed name that does not exist yet, its folder's): under 1252
// "C:\sn\файл.txt" -> "C:\sn\____~QPQ.TXT". Under WOW64, where a 64-bit
// program would find another item at the path, the path of the listed one:
// "C:\Windows\System32\x.dll" -> "C:\Windows\SysWOW64\x.dll". "" when no
// such text exists.
std::string pickedPathText(const std::wstring& picked);

}  // namespace pickpath
