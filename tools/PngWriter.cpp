#include "PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

void WritePng(const std::string& fileName, int width, int height, const std::vector<std::uint8_t>& rgb) {
    if (rgb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
        throw std::invalid_argument("picture size does not match its pixels");
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(fileName.c_str(), "wb"), &std::fclose);
    if (!file) throw std::runtime_error("cannot open " + fileName);

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("libpng cannot start");
    }
    // libpng reports errors by longjmp; nothing with a destructor lives between here and the end.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot write " + fileName);
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y) {
        png_write_row(png, &rgb[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
}
