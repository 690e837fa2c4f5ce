#include "WxBackend.h"

#include "DcSurface.h"
#include "MenuBridge.h"
#include "Text1252.h"
#include "WindowHost.h"
#include "platform/Dialog.h"

#include <libintl.h>

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
#include <wx/print.h>
#include <wx/printdlg.h>
#include <wx/utils.h>

namespace ui {
namespace wxb {

namespace {

WxBackend* g_instance = nullptr;

wxWindow* NativeOf(Window* window) {
  if (!window) return nullptr;
  WindowHost* host = WindowHost::Of(window);
  if (!host) host = WindowHost::Of(&window->GetTopLevel());
  if (!host) return nullptr;
  return host->TopLevel() ? static_cast<wxWindow*>(host->TopLevel()) : host->Client();
}

// The native window to own a dialog: the owner's, else the window whose
// modal loop runs (the active window may be a menu, or none while the window
// manager moves the focus).
wxWindow* OwnerNative(Window* owner) {
  if (wxWindow* w = NativeOf(owner)) return w;
  if (wxWindow* modal = WindowHost::InnermostModal()) return modal;
  return wxGetActiveWindow();
}

wxString Wildcard(const std::vector<FileFilter>& filters) {
  wxString w;
  for (const FileFilter& f : filters) {
    if (!w.empty()) w += "|";
    w += ToWx(f.description) + "|" + ToWx(f.pattern);
  }
  return w.empty() ? wxString("*") : w;
}

}  // namespace

WxBackend* WxBackend::Instance() { return g_instance; }

int WxBackend::RunModal(Dialog& dialog) {
  g_instance = this;
  Window* owner = dialog.GetParent();
  WindowHost* host = WindowHost::CreateTopLevel(dialog, OwnerNative(owner));
  dialog.BuildFromTemplate(host->Units());
  host->CreateControls();
  dialog.BeginModal();
  dialog.InitDialog();
  if (!dialog.IsEnded()) {
    if (onWindowShown) {
      auto hook = onWindowShown;
      Window* shown = &dialog;
      wxTheApp->CallAfter([hook, shown, alive = host->AliveFlag()] {
        if (*alive) hook(*shown);
      });
    }
    host->RunModal();
  }
  dialog.FinishModal();
  host->Destroy();
  dialog.DestroyModel();
  return dialog.GetModalResult();
}

void WxBackend::EndModal(Dialog& dialog, int) {
  if (WindowHost* host = WindowHost::Of(&dialog)) host->EndModal();
}

bool WxBackend::CreateChild(Dialog& child) {
  WindowHost* parent = WindowHost::Of(child.GetParent());
  if (!parent) return false;
  WindowHost* host = WindowHost::CreateChild(child, *parent);
  child.BuildFromTemplate(host->Units());
  host->CreateControls();
  child.InitDialog();
  host->Changed(WindowAspect::Visible);
  host->Changed(WindowAspect::Place);
  return true;
}

void WxBackend::DestroyChild(Dialog& child) {
  if (WindowHost* host = WindowHost::Of(&child)) host->Destroy();
  child.DestroyModel();
}

int WxBackend::MessageBox(Window* owner, const std::string& text, const std::string& caption,
                          unsigned type) {
  long style = 0;
  unsigned buttons = type & MB_BUTTONMASK;
  style |= buttons == MB_YESNO ? wxYES_NO : (buttons == MB_OKCANCEL ? wxOK | wxCANCEL : wxOK);
  if ((type & MB_DEFMASK) == MB_DEFBUTTON2)
    style |= buttons == MB_YESNO ? wxNO_DEFAULT : (buttons == MB_OKCANCEL ? wxCANCEL_DEFAULT : 0);
  switch (type & MB_ICONMASK) {
    case MB_ICONSTOP: style |= wxICON_ERROR; break;
    case MB_ICONQUESTION: style |= wxICON_QUESTION; break;
    case MB_ICONEXCLAMATION: style |= wxICON_WARNING; break;
    case MB_ICONINFORMATION: style |= wxICON_INFORMATION; break;
    default: break;  // the toolkit's own choice: its message boxes always show an icon
  }
  wxGenericMessageDialog box(OwnerNative(owner), ToWx(text), ToWx(caption), style);
  // Escape and the close button would otherwise press the affirmative
  // button, Yes: they mean No, as on the platform.
  if (buttons == MB_YESNO) box.SetEscapeId(wxID_NO);
  // The French stock label is "Valider"; the program's texts say OK.
  if (buttons != MB_YESNO) box.SetOKLabel("OK");
  if (onMessageBox) {
    auto hook = onMessageBox;
    wxGenericMessageDialog* shown = &box;
    box.CallAfter([hook, shown, text] { hook(*shown, text); });
  }
  switch (box.ShowModal()) {
    case wxID_YES: return IDYES;
    case wxID_NO: return IDNO;
    case wxID_CANCEL: return buttons == MB_YESNO ? IDNO : IDCANCEL;
    default: return IDOK;
  }
}

std::optional<std::string> WxBackend::GetOpenFileName(const FileDialogRequest& r) {
  long style = wxFD_OPEN;
  if (r.flags & (OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST)) style |= wxFD_FILE_MUST_EXIST;
  wxFileDialog dlg(OwnerNative(r.owner), ToWx(r.title),
                   PathToWx(r.initialDir), PathToWx(r.fileName), Wildcard(r.filters), style);
  if (dlg.ShowModal() != wxID_OK) return std::nullopt;
  return PathFromWx(dlg.GetPath());
}

std::optional<std::string> WxBackend::GetSaveFileName(const FileDialogRequest& r) {
  // No overwrite prompt here: the caller asks once the default extension
  // is on, about the file that will really be written.
  long style = wxFD_SAVE;
  wxFileDialog dlg(OwnerNative(r.owner), ToWx(r.title),
                   PathToWx(r.initialDir), PathToWx(r.fileName), Wildcard(r.filters), style);
  if (dlg.ShowModal() != wxID_OK) return std::nullopt;
  return PathFromWx(dlg.GetPath());
}

std::optional<std::string> WxBackend::BrowseForFile(Window* owner, const std::string& title) {
  wxFileDialog dlg(OwnerNative(owner), ToWx(title), wxString(), wxString(), "*",
                   wxFD_OPEN | wxFD_FILE_MUST_EXIST);
  if (dlg.ShowModal() != wxID_OK) return std::nullopt;
  return PathFromWx(dlg.GetPath());
}

namespace {

// What the printing routine draws, recorded page by page on the printer's own
// context (so that text is measured with the printer's fonts), then replayed
// when the toolkit's print framework asks for each page.
class PageRecorder : public PrinterSurface {
 public:
  using Op = std::function<void(DrawingSurface&)>;
  explicit PageRecorder(wxDC& dc) : m_measure(dc, true) {}

  int GetDeviceCaps(DeviceCap cap) const override { return m_measure.GetDeviceCaps(cap); }
  void SelectFont(const FontSpec& font) override {
    m_font = font;
    m_measure.SelectFont(font);
    Add([font](DrawingSurface& s) { s.SelectFont(font); });
  }
  void SetTextColor(Color color) override {
    m_color = color;
    Add([color](DrawingSurface& s) { s.SetTextColor(color); });
  }
  void SetBkTransparent(bool on) override {
    m_transparent = on;
    Add([on](DrawingSurface& s) { s.SetBkTransparent(on); });
  }
  Size GetTextExtent(const std::string& text) override { return m_measure.GetTextExtent(text); }
  void TextOut(int x, int y, const std::string& text) override {
    Add([x, y, text](DrawingSurface& s) { s.TextOut(x, y, text); });
  }
  void SelectPen(Color color, int width) override {
    Add([color, width](DrawingSurface& s) { s.SelectPen(color, width); });
  }
  void MoveTo(int x, int y) override { Add([x, y](DrawingSurface& s) { s.MoveTo(x, y); }); }
  void LineTo(int x, int y) override { Add([x, y](DrawingSurface& s) { s.LineTo(x, y); }); }
  void FillSolidRect(const Rect& r, Color c) override {
    Add([r, c](DrawingSurface& s) { s.FillSolidRect(r, c); });
  }
  void DrawImage(const Image& image, const Rect& r) override {
    auto copy = std::make_shared<Image>(image);
    Add([copy, r](DrawingSurface& s) { s.DrawImage(*copy, r); });
  }
  // The framework begins and ends the document.
  bool StartDoc(const std::string&) override { return false; }
  bool EndDoc() override { return false; }
  bool StartPage() override {
    if (m_inPage) EndPage();
    m_inPage = true;
    m_pages.emplace_back();
    // Every page starts from the state the routine had set.
    const FontSpec font = m_font;
    const Color color = m_color;
    const bool transparent = m_transparent;
    m_pages.back().push_back([font, color, transparent](DrawingSurface& s) {
      s.SelectFont(font);
      s.SetTextColor(color);
      s.SetBkTransparent(transparent);
    });
    return true;
  }
  bool EndPage() override {
    bool was = m_inPage;
    m_inPage = false;
    return was;
  }

  int PageCount() const { return int(m_pages.size()); }
  void Replay(int page, DrawingSurface& target) const {
    for (const Op& op : m_pages[std::size_t(page)]) op(target);
  }

 private:
  // State changes are kept for the pages to come; drawing outside a page is
  // dropped, as a printer would not show it.
  void Add(Op op) {
    if (m_inPage) m_pages.back().push_back(std::move(op));
  }
  DcSurface m_measure;
  std::vector<std::vector<Op>> m_pages;
  bool m_inPage = false;
  FontSpec m_font;
  Color m_color = 0;
  bool m_transparent = false;
};

class ReplayPrintout : public wxPrintout {
 public:
  ReplayPrintout(const std::string& name, const std::function<void(PrinterSurface&)>& draw)
      : wxPrintout(ToWx(name)), m_draw(draw) {}

  void OnPreparePrinting() override {
    wxDC* dc = GetDC();
    if (!dc) return;
    m_recorder = std::make_unique<PageRecorder>(*dc);
    m_draw(*m_recorder);
    m_recorder->EndPage();
  }
  void GetPageInfo(int* minPage, int* maxPage, int* fromPage, int* toPage) override {
    int n = m_recorder ? m_recorder->PageCount() : 0;
    *minPage = n > 0 ? 1 : 0;
    *maxPage = n;
    *fromPage = *minPage;
    *toPage = n;
  }
  bool HasPage(int page) override { return m_recorder && page >= 1 && page <= m_recorder->PageCount(); }
  bool OnPrintPage(int page) override {
    wxDC* dc = GetDC();
    if (!dc || !HasPage(page)) return false;
    // Device units, as the routine measured them: no scaling of the context.
    dc->SetUserScale(1.0, 1.0);
    dc->SetDeviceOrigin(0, 0);
    DcSurface surface(*dc, true);
    m_recorder->Replay(page - 1, surface);
    return true;
  }
  int PageCount() const { return m_recorder ? m_recorder->PageCount() : 0; }

 private:
  const std::function<void(PrinterSurface&)>& m_draw;
  std::unique_ptr<PageRecorder> m_recorder;
};

// The printer chosen last, kept for the next print of the run. At first the
// dialog offers printing into a PDF file, which every machine has: GTK names
// that printer in the user's language, with its own translations.
wxPrintDialogData& LastPrintChoice() {
  static wxPrintDialogData data = [] {
    wxPrintDialogData d;
    d.GetPrintData().SetPrinterName(wxString::FromUTF8(dgettext("gtk30", "Print to File")));
    return d;
  }();
  return data;
}

}  // namespace

bool WxBackend::PrintDocument(Window* owner, const std::string& docName,
                              const std::function<void(PrinterSurface&)>& draw) {
  wxPrinter printer(&LastPrintChoice());
  ReplayPrintout printout(docName, draw);
  const bool printed = printer.Print(OwnerNative(owner), &printout, true);
  if (printed) LastPrintChoice() = printer.GetPrintDialogData();
  return printed && printout.PageCount() > 0;
}

int WxBackend::TrackPopupMenu(Menu& popup, Window& owner) {
  wxWindow* native = NativeOf(&owner);
  if (!native) return 0;
  MenuBridge bridge(popup);
  std::unique_ptr<wxMenu> menu(bridge.BuildPopup(popup));
  int id = native->GetPopupMenuSelectionFromUser(*menu);
  return id == wxID_NONE ? 0 : bridge.CommandOf(id);
}

Point WxBackend::GetCursorPos() {
  wxPoint p = wxGetMousePosition();
  return Point{p.x, p.y};
}

void WxBackend::SetWaitCursor(bool wait) {
  if (wait) wxBeginBusyCursor();
  else if (wxIsBusy()) wxEndBusyCursor();
}

bool WxBackend::OpenUrl(const std::string& url) {
  if (onOpenUrl) {
    onOpenUrl(url);
    return true;
  }
  return wxLaunchDefaultBrowser(ToWx(url));
}

std::shared_ptr<Image> WxBackend::DecodeImage(const std::vector<unsigned char>& bytes) {
  if (auto bmp = DecodeBmp(bytes)) return bmp;
  if (auto jpeg = DecodeJpeg(bytes)) return jpeg;
  // Other formats through the toolkit, silently (no error pop-ups).
  wxLogNull quiet;
  wxMemoryInputStream in(bytes.data(), bytes.size());
  wxImage img;
  if (bytes.empty() || !img.LoadFile(in, wxBITMAP_TYPE_ANY) || !img.IsOk()) return nullptr;
  auto image = std::make_shared<Image>();
  image->width = img.GetWidth();
  image->height = img.GetHeight();
  image->pixels.resize(std::size_t(image->width) * image->height);
  const unsigned char* rgb = img.GetData();
  for (std::size_t i = 0; i < image->pixels.size(); ++i)
    image->pixels[i] = 0xFF000000u | (std::uint32_t(rgb[i * 3]) << 16) |
                       (std::uint32_t(rgb[i * 3 + 1]) << 8) | rgb[i * 3 + 2];
  return image;
}

}  // namespace wxb
}  // namespace ui
