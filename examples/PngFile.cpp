#include "TestCard.h"

#include <png.h>

#include <cstring>

bool WritePng(const std::string& path, const unsigned char* bgra, int width, int height)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    // Written as the screen shows it: the alpha bytes are not part of the picture.
    image.format = PNG_FORMAT_BGR;
    std::vector<unsigned char> bgr(static_cast<size_t>(width) * height * 3);
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i)
    {
        bgr[i * 3] = bgra[i * 4];
        bgr[i * 3 + 1] = bgra[i * 4 + 1];
        bgr[i * 3 + 2] = bgra[i * 4 + 2];
    }
    return png_image_write_to_file(&image, path.c_str(), 0, bgr.data(), width * 3, nullptr) != 0;
}

bool ReadPng(const std::string& path, std::vector<unsigned char>& bgra, int& width, int& height)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str()))
    {
        return false;
    }
    image.format = PNG_FORMAT_BGRA;
    bgra.assign(PNG_IMAGE_SIZE(image), 0);
    if (!png_image_finish_read(&image, nullptr, bgra.data(), 0, nullptr))
    {
        png_image_free(&image);
        return false;
    }
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    return true;
}
