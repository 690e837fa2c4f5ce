#include "WxBackend.h"

#include "DcSurface.h"
#include "MenuBridge.h"
#include "Text1252.h"
#include "WindowHost.h"
#include "platform/Dialog.h"

#include <wx/app.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/image.h>
#include <wx/log.h>
#include <wx/mstream.h>
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

// The native window to own a dialog: the owner's, else the active one.
wxWindow* OwnerNative(Window* owner) {
  if (wxWindow* w = NativeOf(owner)) return w;
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
      wxTheApp->CallAfter([hook, shown] { hook(*shown); });
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

std::unique_ptr<PrinterSurface> WxBackend::PrintSetup(Window* owner) {
  wxPrintDialogData data;
  wxPrintDialog dlg(OwnerNative(owner), &data);
  if (dlg.ShowModal() != wxID_OK) return nullptr;
  std::unique_ptr<wxDC> dc(dlg.GetPrintDC());
  if (!dc || !dc->IsOk()) return nullptr;
  return std::make_unique<DcSurface>(std::move(dc));
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

bool WxBackend::OpenUrl(const std::string& url) { return wxLaunchDefaultBrowser(ToWx(url)); }

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
