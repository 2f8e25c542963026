// A small PNG writer for captured images: 8-bit RGB, each row filtered against the one above.
#pragma once
#include <string>

#include "window_capture.h"

// Writes image to path; false when the file cannot be written or the image is empty.
bool WritePng(const Image& image, const std::string& path);
