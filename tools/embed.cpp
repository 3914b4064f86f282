// embed: turns a file into a C++ source that defines one byte block.
//   embed INPUT OUTPUT.cpp SYMBOL
// The block is declared elsewhere as `extern const std::span<const std::uint8_t> SYMBOL;`.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: embed INPUT OUTPUT.cpp SYMBOL\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "embed: cannot read " << argv[1] << "\n";
        return 1;
    }
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};

    std::ofstream out(argv[2], std::ios::trunc);
    out << "// Generated from " << argv[1] << " by tools/embed; do not edit.\n"
        << "#include <cstdint>\n#include <span>\n\n"
        << "namespace {\nalignas(16) const std::uint8_t bytes[" << (bytes.empty() ? 1 : bytes.size())
        << "] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 20 == 0 ? "\n    " : "") << static_cast<unsigned>(bytes[i]) << ',';
    }
    out << "\n};\n}  // namespace\n\n"
        << "extern const std::span<const std::uint8_t> " << argv[3] << ";\n"
        << "const std::span<const std::uint8_t> " << argv[3] << "{bytes, " << bytes.size() << "};\n";
    if (!out.flush()) {
        std::cerr << "embed: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
