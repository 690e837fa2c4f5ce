#include "app/ImpressionListe.h"

#include "collection/GestionBD.h"
#include "platform/DrawingSurface.h"
#include "platform/Services.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr double kMarginCm = 1.0;
constexpr double kTabCm = 0.75;
constexpr double kCmPerInch = 2.54;
constexpr int kTopOffset = 6;
constexpr int kPoints = 14;

// Lines are placed on the page's line slots; blank lines only separate.
class LineWriter {
 public:
  LineWriter(ui::PrinterSurface& dc, int left, int top, int lineHeight, int linesPerPage,
             std::vector<int> tabStops)
      : m_dc(dc), m_left(left), m_top(top), m_h(lineHeight), m_n(linesPerPage),
        m_tabs(std::move(tabStops)) {}
  ~LineWriter() { Finish(); }

  void Line(const std::string& text) {
    if (!m_open || m_line >= m_n) NewPage();
    m_dc.TabbedTextOut(m_left, m_top + kTopOffset + m_line * m_h, text, m_tabs, m_left);
    ++m_line;
  }
  void Blank() {
    if (m_open && m_line > 0 && m_line < m_n) ++m_line;
  }
  void Finish() {
    if (m_open) m_dc.EndPage();
    m_open = false;
  }

 private:
  void NewPage() {
    if (m_open) m_dc.EndPage();
    m_dc.StartPage();
    m_open = true;
    m_line = 0;
  }
  ui::PrinterSurface& m_dc;
  int m_left, m_top, m_h, m_n;
  std::vector<int> m_tabs;
  bool m_open = false;
  int m_line = 0;
};

}  // namespace

void CImpressionListe::Draw(ui::PrinterSurface& dc, const CGestionBD& gestion,
                            const std::vector<std::string>& series) {
  const int dpiX = dc.GetDeviceCaps(ui::DeviceCap::LogPixelsX);
  const int dpiY = dc.GetDeviceCaps(ui::DeviceCap::LogPixelsY);
  auto toDevice = [dpiX](double cm) { return int(dpiX * (cm / kCmPerInch)); };

  ui::FontSpec font;
  font.height = dpiY * kPoints / 72;
  font.weight = 400;
  font.roman = true;
  dc.SelectFont(font);
  dc.SetBkTransparent(true);

  const int margin = toDevice(kMarginCm);
  const int left = margin, top = margin;
  const int bottom = dc.GetDeviceCaps(ui::DeviceCap::VertRes) - margin;
  const int h = std::max(1, dc.GetTextExtent("Zpg").cy);
  const int linesPerPage = std::max(1, (bottom - top + 1 - kTopOffset - (h + 30) - h) / h);
  const int tab = toDevice(kTabCm);

  // Each series' albums in table order, found once.
  std::unordered_map<std::string, std::vector<const CAlbum*>> albumsOf;
  for (int i = 0; i < gestion.GetAlbumCount(); ++i)
    if (const CAlbum* a = gestion.GetAlbum(i)) albumsOf[a->GetSerie()].push_back(a);

  LineWriter out(dc, left, top, h, linesPerPage, {0, tab, 2 * tab, 3 * tab});
  out.Line(TITLE);
  out.Line(SEPARATOR);
  std::unordered_set<std::string> printed;
  for (const std::string& name : series) {
    if (!printed.insert(name).second) continue;
    out.Blank();
    out.Line(name);
    auto it = albumsOf.find(name);
    if (it != albumsOf.end()) {
      for (const CAlbum* a : it->second) {
        char volume[16];
        std::snprintf(volume, sizeof volume, "%i", a->GetTome());
        out.Line(std::string("\t\t ") + volume + " - " + a->GetTitre() + " : \t " + a->GetCommentaire());
      }
    }
    out.Blank();
  }
  out.Finish();
}

bool CImpressionListe::Print(ui::Window* owner, const CGestionBD& gestion,
                             const std::vector<std::string>& series) {
  return ui::PrintDocument(owner, DOCUMENT_NAME,
                           [&](ui::PrinterSurface& dc) { Draw(dc, gestion, series); });
}
