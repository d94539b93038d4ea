// Saves over a small file in the folder given, with more bytes than the
// folder's file system holds, and prints what became of it: the save's
// error number, the old file's content and how many entries the folder has.
// Run in a tiny file system, for the safe save's full-disk test.
#include "core/system/safe_save.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string target = (folder / "ziel.csv").string();
    std::ofstream(target, std::ios::binary) << "alt";
    const sorvik1::SaveResult result = sorvik1::saveFile(target, std::string(1 << 20, 'x'));
    std::ifstream file(target, std::ios::binary);
    const std::string content{std::istreambuf_iterator<char>(file), {}};
    const auto entries = std::distance(std::filesystem::directory_iterator(folder),
                                       std::filesystem::directory_iterator());
    std::cout << static_cast<int>(result.error) << ' ' << content << ' ' << entries << '\n';
    return 0;
}
