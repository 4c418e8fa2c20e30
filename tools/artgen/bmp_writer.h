// Stores a palette-based picture as a Windows device-independent bitmap file:
// BITMAPFILEHEADER, BITMAPINFOHEADER (BI_RGB, biClrUsed = palette size), the
// palette, then the rows bottom-up, each padded to a multiple of 4 bytes.
#pragma once

#include "image.h"

#include <cstdint>
#include <vector>

namespace artgen {

// Bytes of one stored row of a picture w pixels wide at bpp bits per pixel.
int DibStride(int width, int bitsPerPixel);

// Packs the pixel rows bottom-up at the picture's depth (the DIB pixel array).
std::vector<uint8_t> PackDibRows(const IndexedImage& image);

// The whole .bmp file. Throws std::runtime_error if the picture is not storable.
std::vector<uint8_t> EncodeBmp(const IndexedImage& image);

// Little-endian appenders shared by the BMP and ICO writers.
void PutU16(std::vector<uint8_t>& out, uint32_t v);
void PutU32(std::vector<uint8_t>& out, uint32_t v);
// BITMAPINFOHEADER (40 bytes), uncompressed.
void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bitsPerPixel,
                   uint32_t imageBytes, uint32_t coloursUsed);
// The palette as RGBQUADs (blue, green, red, 0).
void PutPalette(std::vector<uint8_t>& out, const std::vector<Rgb>& palette);

} // namespace artgen
