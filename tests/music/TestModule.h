// A small ProTracker module made in the test: one looped square-wave sample and one pattern of
// notes in the first channel only (hard left on an Amiga), so its sound is known.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> MakeTestModule();
