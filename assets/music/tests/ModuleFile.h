// Test helpers: read a file, and look at a ProTracker module's fields the way a player does.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

std::vector<std::uint8_t> ReadBytes(const std::string& path);

struct SampleHeader {
    std::string name;
    std::size_t lengthBytes = 0;
    int finetune = 0;
    int volume = 0;
    std::size_t loopStartBytes = 0;
    std::size_t loopLengthBytes = 0;
};

struct ModuleFile {
    std::string title;
    SampleHeader samples[31];
    int songLength = 0;
    std::vector<int> order;  // all 128 entries
    std::string signature;
    int patternCount = 0;    // highest entry of the whole order table + 1, as players count
    std::size_t sampleDataBytes = 0;
};

ModuleFile ReadModuleFile(const std::vector<std::uint8_t>& bytes);
