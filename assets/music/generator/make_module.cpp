// make_module: turns the tune's score into the ProTracker module the intro embeds.
//   make_module SCORE OUTPUT.mod
#include "ModuleWriter.h"
#include "Score.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_module SCORE OUTPUT.mod\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "make_module: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    try {
        const auto module = modgen::BuildModule(modgen::ParseScore(text));
        // Write beside the target and rename, so a failed write never leaves half a module behind.
        const std::filesystem::path target = argv[2];
        const std::filesystem::path partial = target.string() + ".partial";
        {
            std::ofstream out(partial, std::ios::binary | std::ios::trunc);
            out.write(reinterpret_cast<const char*>(module.data()), static_cast<std::streamsize>(module.size()));
            if (!out.flush()) {
                std::cerr << "make_module: cannot write " << partial << "\n";
                out.close();
                std::error_code ignored;
                std::filesystem::remove(partial, ignored);
                return 1;
            }
        }
        std::filesystem::rename(partial, target);
    } catch (const std::exception& error) {
        std::cerr << "make_module: " << argv[1] << ": " << error.what() << "\n";
        return 1;
    }
    return 0;
}
