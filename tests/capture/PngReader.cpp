#include "PngReader.h"

#include <png.h>

#include <stdexcept>

RgbImage ReadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_file(&image, path.c_str()) == 0) {
        throw std::runtime_error("cannot read " + path + ": " + image.message);
    }
    image.format = PNG_FORMAT_RGB;
    RgbImage result;
    result.Width = static_cast<int>(image.width);
    result.Height = static_cast<int>(image.height);
    result.Rgb.resize(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, result.Rgb.data(), 0, nullptr) == 0) {
        png_image_free(&image);
        throw std::runtime_error("cannot decode " + path + ": " + image.message);
    }
    return result;
}
