// Picture files written by the tests themselves.
#pragma once

#include <string>

namespace test {

// A 24-bit BMP of width x height pixels, all of one colour.
void WriteBmp(const std::string& path, int width, int height);
// A baseline JPEG of width x height pixels; false without libjpeg.
bool WriteJpeg(const std::string& path, int width, int height);
void WriteBytes(const std::string& path, const std::string& bytes);

}  // namespace test
