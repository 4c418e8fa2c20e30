// Bitmap and icon resources as cairo pictures (the decoding is fw/common's).
#pragma once

#include "fw/gtk/toolkit.h"

#include <cstddef>
#include <cstdint>

#include "fw/common/dib.h"

// An opaque picture of the bitmap; null when it cannot be read. For an
// icon image pass icon = true: the AND mask becomes transparency.
cairo_surface_t* DecodeDib(const uint8_t* data, size_t size, bool icon);
