// An uncompressed YUV4MPEG2 stream of the intro's frames: planar Y'CbCr, BT.601 studio range,
// chroma either full (4:4:4) or averaged over 2x2 blocks (4:2:0, centred siting).
#pragma once

#include "CaptureOptions.h"
#include "ScaledFrame.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

class Y4mWriter {
public:
    // Writes the stream header; the stream is not closed here. Raises std::runtime_error.
    Y4mWriter(std::FILE* stream, std::string name, int rate, int scale, Chroma chroma);

    void WriteFrame(std::span<const std::uint16_t> pixels);

    // The header line for a picture of this size.
    static std::string Header(int width, int height, int rate, Chroma chroma);

private:
    void Put(const std::vector<std::uint8_t>& bytes);

    std::FILE* stream_;
    std::string name_;
    int scale_;
    Chroma chroma_;
    ScaledFrame scaled_;
    std::vector<std::uint8_t> luma_;
    std::vector<std::uint8_t> cb_;
    std::vector<std::uint8_t> cr_;
};
