// SPDX-License-Identifier: GPL-3.0-or-later
// gui_tests FILE [QTest options...]: runs the tests of one file, through
// that file's own main, renamed at build time after the file.
#include "GuiTestList.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct GuiTestFile {
    const char* name;
    int (*run)(int argc, char** argv);
};

#define X(name) GuiTestFile {#name, boxmill_gui_main_##name},
constexpr GuiTestFile kFiles[] = {BOXMILL_GUI_TESTS};
#undef X

} // namespace

int main(int argc, char** argv)
{
    for (const GuiTestFile& file : kFiles) {
        if (argc > 1 && std::strcmp(argv[1], file.name) == 0) {
            // The file's main reads its options after the program's name.
            std::vector<char*> args(argv, argv + argc);
            args.erase(args.begin() + 1);
            args.push_back(nullptr);
            return file.run(argc - 1, args.data());
        }
    }
    std::fprintf(stderr, "usage: %s FILE [options]; the files:\n", argv[0]);
    for (const GuiTestFile& file : kFiles)
        std::fprintf(stderr, "  %s\n", file.name);
    return 2;
}
