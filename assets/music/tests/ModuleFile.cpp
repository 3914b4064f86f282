#include "ModuleFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    return {std::istreambuf_iterator<char>(in), {}};
}

namespace {

std::size_t Word(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::size_t>(bytes.at(at) << 8 | bytes.at(at + 1));
}

std::string Text(const std::vector<std::uint8_t>& bytes, std::size_t at, std::size_t width) {
    std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.begin() + static_cast<std::ptrdiff_t>(at + width));
    return text.substr(0, text.find('\0'));
}

}  // namespace

ModuleFile ReadModuleFile(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() < 1084) {
        throw std::runtime_error("shorter than a module header");
    }
    ModuleFile module;
    module.title = Text(bytes, 0, 20);
    for (std::size_t i = 0; i < 31; ++i) {
        const std::size_t at = 20 + i * 30;
        SampleHeader& sample = module.samples[i];
        sample.name = Text(bytes, at, 22);
        sample.lengthBytes = Word(bytes, at + 22) * 2;
        sample.finetune = bytes[at + 24] & 0x0F;
        sample.volume = bytes[at + 25];
        sample.loopStartBytes = Word(bytes, at + 26) * 2;
        sample.loopLengthBytes = Word(bytes, at + 28) * 2;
        module.sampleDataBytes += sample.lengthBytes;
    }
    module.songLength = bytes[950];
    module.order.assign(bytes.begin() + 952, bytes.begin() + 1080);
    module.signature = Text(bytes, 1080, 4);
    module.patternCount = *std::max_element(module.order.begin(), module.order.end()) + 1;
    return module;
}
