// A picture loaded from a file (JPEG, BMP) through the platform's picture
// decoder, drawn stretched into a rectangle of a drawing surface. Its size is
// known in HIMETRIC units (hundredths of a millimetre, at 96 pixels per inch)
// and in pixels for the last target.
//
// Failures are shown in message boxes titled "CPicture Error" (stop icon);
// a caller that handles failure itself (shows a placeholder) can load with
// SetReportErrors(false).
#pragma once

#include "platform/Types.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace ui {
class DrawingSurface;
struct Image;
}

class CPicture {
 public:
  CPicture() = default;
  virtual ~CPicture();
  CPicture(const CPicture&) = delete;
  CPicture& operator=(const CPicture&) = delete;

  // Releases any picture held, reads the whole file and decodes it; true
  // when a picture results. A file that cannot be opened shows the system's
  // text for the error.
  bool LoadFromFile(const std::string& path);
  // Decodes a picture from a memory block; true unless the block could not
  // be handed to the decoder. A block that does not decode leaves no picture.
  bool LoadFromMemory(const unsigned char* bytes, std::size_t count);
  void Release();
  bool HasPicture() const { return m_pPicture != nullptr; }

  // Whether failures show their message box (default: yes).
  void SetReportErrors(bool report) { m_reportErrors = report; }
  // Pictures shown at about this size only need to be decoded that large
  // (a cover of 6000 by 8000 pixels in a frame of 300 by 370); sizes stay
  // those of the file. Empty (the default): decoded whole.
  void SetDecodeSize(ui::Size fit) { m_decodeSize = fit; }
  bool GetReportErrors() const { return m_reportErrors; }

  // Pixel size for the surface's resolution (96 per inch on a printer).
  void RefreshSize(ui::DrawingSurface& dc);
  // The whole picture stretched into rect, upright.
  bool DrawStretched(ui::DrawingSurface& dc, const ui::Rect& rect);
  // The whole picture at origin, base.cx + factorX * width pixels wide and
  // base.cy + factorY * height pixels high.
  bool DrawScaled(ui::DrawingSurface& dc, ui::Point origin, ui::Size base, double factorX,
                  double factorY);

  int GetWidth() const { return m_widthPx; }
  int GetHeight() const { return m_heightPx; }
  int GetByteCount() const { return m_byteCount; }
  // Size in HIMETRIC units (0 without a picture).
  long GetHimetricWidth() const;
  long GetHimetricHeight() const;
  const ui::Image* GetImage() const { return m_pPicture.get(); }

  // The platform's MulDiv: a * b / c rounded half away from zero, -1 when c is 0.
  static int MulDiv(long long a, long long b, long long c);

 private:
  void ShowError(const std::string& text) const;

  std::shared_ptr<const ui::Image> m_pPicture;
  std::int32_t m_heightPx = 0;
  std::int32_t m_byteCount = 0;
  std::int32_t m_widthPx = 0;
  bool m_reportErrors = true;
  ui::Size m_decodeSize;
};
