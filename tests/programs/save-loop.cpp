// save-loop: saves one file over and over through the program's own safe
// write, until it is killed, so that a test can kill a save half-way.
//   save-loop <path> <megabytes>
// The saves alternate between the whole file of "a" and the whole file of "b",
// so every whole state of the file is one letter throughout.
#include <cstdlib>
#include <string>

#include "win/platform/Win32FileSystem.h"

int main(int argc, char** argv) {
    if (argc != 3)
        return 2;
    const std::string path = argv[1];
    const std::size_t size = std::strtoul(argv[2], nullptr, 10) << 20;
    const std::string contents[2] = {std::string(size, 'a'), std::string(size, 'b')};
    vantry::win::Win32FileSystem fs;
    for (unsigned n = 0;; ++n)
        fs.writeFile(path, contents[n % 2]);
}
