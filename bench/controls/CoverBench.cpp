// A very large cover (6000 by 8000 pixels) shown in the picture frame of the
// main window (about 294 by 372 pixels): decoded near the frame's size and
// resampled once, against decoding it whole and resampling the whole picture.
#include "platform/Backend.h"
#include "platform/Image.h"
#include "platform/Services.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace {

constexpr int kCoverWidth = 6000;
constexpr int kCoverHeight = 8000;
const ui::Size kFrame{294, 372};

// A JPEG with some detail (a gradient), made in memory once.
const std::vector<unsigned char>& LargeCover() {
  static const std::vector<unsigned char> bytes = [] {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = kCoverWidth;
    info.image_height = kCoverHeight;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(std::size_t(kCoverWidth) * 3);
    while (info.next_scanline < info.image_height) {
      for (int x = 0; x < kCoverWidth; ++x) {
        row[x * 3] = JSAMPLE(x * 255 / kCoverWidth);
        row[x * 3 + 1] = JSAMPLE(info.next_scanline * 255 / kCoverHeight);
        row[x * 3 + 2] = JSAMPLE((x + info.next_scanline) & 0xFF);
      }
      JSAMPROW rows[1] = {row.data()};
      jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<unsigned char> bytes(out, out + size);
    std::free(out);
    return bytes;
  }();
  return bytes;
}

void BM_LargeCoverDecodedAtFrameSize(benchmark::State& state) {
  const auto& bytes = LargeCover();
  std::size_t held = 0;
  for (auto _ : state) {
    auto image = ui::DecodeImage(bytes, kFrame);
    auto shown = ui::ScaleImage(*image, kFrame);
    held = image->pixels.size() * 4 + shown->pixels.size() * 4;
    benchmark::DoNotOptimize(shown->pixels.data());
  }
  state.counters["held_MiB"] = double(held) / (1024 * 1024);
}

void BM_LargeCoverDecodedWhole(benchmark::State& state) {
  const auto& bytes = LargeCover();
  std::size_t held = 0;
  for (auto _ : state) {
    auto image = ui::DecodeJpeg(bytes);
    auto shown = ui::ScaleImage(*image, kFrame);
    held = image->pixels.size() * 4 + shown->pixels.size() * 4;
    benchmark::DoNotOptimize(shown->pixels.data());
  }
  state.counters["held_MiB"] = double(held) / (1024 * 1024);
}

BENCHMARK(BM_LargeCoverDecodedAtFrameSize)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_LargeCoverDecodedWhole)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
