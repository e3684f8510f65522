// Writes the program's icon, as the program itself builds it, to an icon file: the executable
// carries that file as its application icon, which Explorer shows. Built for the build machine.
//
//   write_program_icon OUTPUT.ico
#include "ui/program_icon.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_program_icon OUTPUT.ico\n", stderr);
        return 2;
    }
    const auto icon = zbw::ProgramIconFile();
    std::FILE* file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(icon.data(), 1, icon.size(), file) == icon.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
