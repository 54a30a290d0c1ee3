#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/command_line.h"

namespace pickpath {
namespace {

TEST(SplitCommandLine, SplitsAsTheRuntimesArgv) {
    struct Row {
        std::wstring line;
        std::vector<std::wstring> arguments;
    };
    const std::vector<Row> rows = {
        {L"p.exe", {L"p.exe"}},
        {L"", {L""}},
        {L"p.exe \t a  \t b  ", {L"p.exe", L"a", L"b"}},
        // Quotes group and are dropped, also in the middle of an argument.
        {L"p.exe \"b c\"", {L"p.exe", L"b c"}},
        {L"p.exe \"a\"b\"c d\"", {L"p.exe", L"abc d"}},
        {L"p.exe \"a b", {L"p.exe", L"a b"}},
        // Empty arguments.
        {L"p.exe \"\" \"\" x", {L"p.exe", L"", L"", L"x"}},
        // Backslashes count only before a quote.
        {L"p.exe a\\\"b", {L"p.exe", L"a\"b"}},
        {L"p.exe a\\\\\"b c\"", {L"p.exe", L"a\\b c"}},
        {L"p.exe a\\\\\\\"b", {L"p.exe", L"a\\\"b"}},
        {L"p.exe a\\\\b \\\\server\\share", {L"p.exe", L"a\\\\b", L"\\\\server\\share"}},
        {L"p.exe C:\\dir\\ x", {L"p.exe", L"C:\\dir\\", L"x"}},
        {L"p.exe \"C:\\dir\\\\\" x", {L"p.exe", L"C:\\dir\\", L"x"}},
        // "" inside a group gives one quote and ends the group (the runtime of
        // Windows itself; Wine's keeps the group open).
        {L"p.exe \"a\"\"b c\"", {L"p.exe", L"a\"b", L"c"}},
        // The program name: up to its closing quote, backslashes and all.
        {L"\"C:\\My Dir\\p.exe\" a", {L"C:\\My Dir\\p.exe", L"a"}},
        {L"\"C:\\dir\\\"p a", {L"C:\\dir\\", L"p", L"a"}},
        {L"C:\\dir\\p.exe\ta", {L"C:\\dir\\p.exe", L"a"}},
        // A fullwidth quote (U+FF02) is an ordinary character.
        {L"p.exe a\uff02 b", {L"p.exe", L"a\uff02", L"b"}},
        {L"p.exe \uff02a b\uff02", {L"p.exe", L"\uff02a", L"b\uff02"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.line.begin(), row.line.end()));
        EXPECT_EQ(splitCommandLine(row.line.c_str()), row.arguments);
    }
}

}  // namespace
}  // namespace pickpath
