#include "platform/headless/Session.h"

#include "platform/Dialog.h"
#include "platform/Menu.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace ui {
namespace headless {

namespace {

// A text as a C literal, so that Windows-1252 bytes read well in failures.
std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') { out += '\\'; out += char(c); }
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else if (c == '\t') out += "\\t";
    else if (c < 0x20 || c >= 0x7F) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02x\" \"", c);
      out += buf;
    } else {
      out += char(c);
    }
  }
  return out + "\"";
}

const char* KindName(ExpectKind k) {
  switch (k) {
    case ExpectKind::MessageBox: return "message box";
    case ExpectKind::OpenFile: return "open-file dialog";
    case ExpectKind::SaveFile: return "save-file dialog";
    case ExpectKind::BrowseForFile: return "folder browser";
    case ExpectKind::Dialog: return "dialog";
    case ExpectKind::ContextMenu: return "context menu";
    case ExpectKind::Print: return "print dialog";
  }
  return "?";
}

// The printer handed to the printing routine: it forwards to a recording
// that the session keeps, and reports what a real printer would refuse or
// print badly: anything drawn outside a page, pages begun twice or ended
// unopened, lines running off the page, and the routine touching the
// document, which the platform begins and ends.
class CheckingPrinter : public PrinterSurface {
 public:
  CheckingPrinter(RecordingSurface& target, std::function<void(const std::string&)> fail)
      : m_t(target), m_fail(std::move(fail)) {}
  int GetDeviceCaps(DeviceCap cap) const override { return m_t.GetDeviceCaps(cap); }
  void SelectFont(const FontSpec& font) override { m_t.SelectFont(font); }
  void SetTextColor(Color color) override { m_t.SetTextColor(color); }
  void SetBkTransparent(bool on) override { m_t.SetBkTransparent(on); }
  Size GetTextExtent(const std::string& text) override { return m_t.GetTextExtent(text); }
  void TextOut(int x, int y, const std::string& text) override {
    Check("the text \"" + text + "\"", y + m_t.GetTextExtent(text).cy);
    m_t.TextOut(x, y, text);
  }
  void SelectPen(Color color, int width) override { m_t.SelectPen(color, width); }
  void MoveTo(int x, int y) override { m_t.MoveTo(x, y); }
  void LineTo(int x, int y) override { Check("a line", y); m_t.LineTo(x, y); }
  void FillSolidRect(const Rect& r, Color c) override { Check("a rectangle", r.bottom); m_t.FillSolidRect(r, c); }
  void DrawImage(const Image& image, const Rect& r) override { Check("a picture", r.bottom); m_t.DrawImage(image, r); }
  bool StartDoc(const std::string&) override { m_fail("the printing routine began the document itself"); return false; }
  bool EndDoc() override { m_fail("the printing routine ended the document itself"); return false; }
  bool StartPage() override {
    if (m_inPage) m_fail("a page was begun while page " + std::to_string(m_pages) + " was open");
    m_inPage = true;
    ++m_pages;
    return m_t.StartPage();
  }
  bool EndPage() override {
    if (!m_inPage) m_fail("a page was ended that had not been begun");
    m_inPage = false;
    return m_t.EndPage();
  }
  bool InPage() const { return m_inPage; }

 private:
  void Check(const std::string& what, int bottom) {
    if (!m_inPage) m_fail(what + " was drawn outside a page");
    else if (bottom > m_t.GetDeviceCaps(DeviceCap::VertRes))
      m_fail(what + " runs off the bottom of page " + std::to_string(m_pages));
  }
  RecordingSurface& m_t;
  std::function<void(const std::string&)> m_fail;
  bool m_inPage = false;
  int m_pages = 0;
};

}  // namespace

// ---- Expectation ----

Expectation& Expectation::Answer(int button) { answered = true; answer = button; return *this; }
Expectation& Expectation::Escape() { dismissed = true; answered = false; return *this; }
Expectation& Expectation::CloseBox() { return Escape(); }
Expectation& Expectation::Title(const std::string& t) { checkTitle = true; title = t; return *this; }
Expectation& Expectation::Caption(const std::string& c) { checkCaption = true; caption = c; return *this; }
Expectation& Expectation::Type(unsigned t) { checkType = true; type = t; return *this; }
Expectation& Expectation::Choose(const std::string& p) { cancel = false; path = p; return *this; }
Expectation& Expectation::Cancel() { cancel = true; command = 0; return *this; }
Expectation& Expectation::InitialDir(const std::string& d) { checkDir = true; dir = d; return *this; }
Expectation& Expectation::Filter(const std::string& description, const std::string& pattern) {
  checkFilter = true;
  filter = FileFilter{description, pattern};
  return *this;
}
Expectation& Expectation::Command(int id) { command = id; cancel = id == 0; return *this; }
Expectation& Expectation::Printer(int d, Size p) { dpi = d; page = p; return *this; }

std::string Expectation::Describe() const {
  std::string s = KindName(kind);
  if (kind == ExpectKind::MessageBox) s += " " + Quote(text);
  if (kind == ExpectKind::Dialog || kind == ExpectKind::ContextMenu)
    s += " " + std::to_string(templateId);
  return s;
}

// ---- Session ----

Session::Session() { m_previous = InstallBackend(this); }

Session::~Session() {
  Verify();
  InstallBackend(m_previous);
}

Expectation& Session::Add(Expectation e) {
  e.frame = m_depth;
  // Inside a dialog action: after the action's earlier ones, before those
  // pending outside it.
  auto at = m_pending.begin();
  while (at != m_pending.end() && at->frame >= m_depth) ++at;
  if (m_depth == 0) at = m_pending.end();
  return *m_pending.insert(at, std::move(e));
}

Expectation& Session::ExpectMessageBox(const std::string& text) {
  Expectation e;
  e.kind = ExpectKind::MessageBox;
  e.text = text;
  return Add(std::move(e));
}

Expectation& Session::ExpectOpenFile() { Expectation e; e.kind = ExpectKind::OpenFile; return Add(std::move(e)); }
Expectation& Session::ExpectSaveFile() { Expectation e; e.kind = ExpectKind::SaveFile; return Add(std::move(e)); }
Expectation& Session::ExpectBrowseForFile() {
  Expectation e;
  e.kind = ExpectKind::BrowseForFile;
  return Add(std::move(e));
}

Expectation& Session::ExpectDialog(int templateId, std::function<void(Driver&)> action) {
  Expectation e;
  e.kind = ExpectKind::Dialog;
  e.templateId = templateId;
  e.action = std::move(action);
  return Add(std::move(e));
}

Expectation& Session::ExpectContextMenu(int menuTemplateId) {
  Expectation e;
  e.kind = ExpectKind::ContextMenu;
  e.templateId = menuTemplateId;
  e.cancel = true;
  return Add(std::move(e));
}

Expectation& Session::ExpectPrint() { Expectation e; e.kind = ExpectKind::Print; return Add(std::move(e)); }

void Session::Fail(const std::string& message) { ADD_FAILURE() << message; }

void Session::Verify() {
  for (const Expectation& e : m_pending) Fail("expected " + e.Describe() + ", which never came");
  m_pending.clear();
}

std::unique_ptr<Expectation> Session::Take(ExpectKind kind, const std::string& what) {
  if (m_pending.empty()) {
    Fail("unexpected " + what);
    return nullptr;
  }
  auto it = m_pending.begin();
  auto e = std::make_unique<Expectation>(std::move(*it));
  m_pending.erase(it);
  if (e->kind != kind) {
    Fail("expected " + e->Describe() + " but got " + what);
    return nullptr;
  }
  return e;
}

void Session::RunAction(Expectation& e, Dialog& dialog) {
  ++m_depth;
  if (e.action) {
    Driver driver(dialog);
    e.action(driver);
  }
  for (auto it = m_pending.begin(); it != m_pending.end();) {
    if (it->frame == m_depth) {
      Fail("expected " + it->Describe() + " inside dialog " + std::to_string(e.templateId) +
           ", which never came");
      it = m_pending.erase(it);
    } else {
      ++it;
    }
  }
  --m_depth;
}

void Session::Open(Dialog& dialog) {
  dialog.BuildFromTemplate(m_units);
  dialog.BeginModal();
  dialog.InitDialog();
}

int Session::RunModal(Dialog& dialog) {
  std::string what = "dialog " + std::to_string(dialog.GetTemplateId()) + " " +
                     Quote(dialog.GetTemplate().caption);
  std::unique_ptr<Expectation> e = Take(ExpectKind::Dialog, what);
  if (e && e->templateId != dialog.GetTemplateId()) {
    Fail("expected " + e->Describe() + " but got " + what);
    e.reset();
  }
  if (!e) return IDCANCEL;
  dialog.BuildFromTemplate(m_units);
  dialog.BeginModal();
  dialog.InitDialog();
  if (!dialog.IsEnded()) RunAction(*e, dialog);
  if (!dialog.IsEnded()) {
    Fail(what + " was left open by its script");
    dialog.EndDialog(IDCANCEL);
  }
  dialog.FinishModal();
  dialog.DestroyModel();
  return dialog.GetModalResult();
}

void Session::EndModal(Dialog&, int) {}

bool Session::CreateChild(Dialog& child) {
  child.BuildFromTemplate(m_units);
  child.InitDialog();
  return true;
}

void Session::DestroyChild(Dialog& child) { child.DestroyModel(); }

int Session::MessageBox(Window*, const std::string& text, const std::string& caption,
                        unsigned type) {
  std::string what = "message box " + Quote(text);
  std::unique_ptr<Expectation> e = Take(ExpectKind::MessageBox, what);
  unsigned buttons = type & MB_BUTTONMASK;
  int answer = buttons == MB_YESNO ? IDNO : (buttons == MB_OKCANCEL ? IDCANCEL : IDOK);
  if (e) {
    if (e->text != text) Fail("expected message box " + Quote(e->text) + " but got " + Quote(text));
    if (e->checkCaption && e->caption != caption)
      Fail(what + ": caption " + Quote(caption) + ", expected " + Quote(e->caption));
    if (e->checkType && e->type != type)
      Fail(what + ": type " + std::to_string(type) + ", expected " + std::to_string(e->type));
    if (e->dismissed) {
      // Escape and the close button never mean Yes.
      answer = buttons == MB_YESNO ? IDNO : (buttons == MB_OKCANCEL ? IDCANCEL : IDOK);
    } else if (e->answered) {
      bool valid = buttons == MB_YESNO ? (e->answer == IDYES || e->answer == IDNO)
                   : buttons == MB_OKCANCEL ? (e->answer == IDOK || e->answer == IDCANCEL)
                                            : e->answer == IDOK;
      if (!valid) Fail(what + ": the script's answer is not one of its buttons");
      else answer = e->answer;
    } else if (buttons == MB_YESNO) {
      Fail(what + " asks Yes or No: the script must give the answer");
    }
  }
  m_shown.push_back(ShownMessageBox{text, caption, type, answer});
  return answer;
}

std::optional<std::string> Session::FileDialog(ExpectKind kind, const FileDialogRequest& request) {
  std::unique_ptr<Expectation> e = Take(kind, KindName(kind));
  if (!e) return std::nullopt;
  // The real dialogs show the title given, or a French default; never an
  // empty or the toolkit's English one.
  if (request.title.empty())
    Fail(std::string(KindName(kind)) + " shown without a title");
  if (e->checkTitle && e->title != request.title)
    Fail(std::string(KindName(kind)) + ": title " + Quote(request.title) + ", expected " +
         Quote(e->title));
  if (e->checkDir && e->dir != request.initialDir)
    Fail(std::string(KindName(kind)) + ": initial folder " + Quote(request.initialDir) +
         ", expected " + Quote(e->dir));
  if (e->checkFilter) {
    bool found = false;
    for (const FileFilter& f : request.filters)
      found = found || (f.description == e->filter.description && f.pattern == e->filter.pattern);
    if (!found) Fail(std::string(KindName(kind)) + ": no filter " + Quote(e->filter.description));
  }
  if (e->cancel) return std::nullopt;
  return e->path;
}

std::optional<std::string> Session::GetOpenFileName(const FileDialogRequest& request) {
  return FileDialog(ExpectKind::OpenFile, request);
}

std::optional<std::string> Session::GetSaveFileName(const FileDialogRequest& request) {
  return FileDialog(ExpectKind::SaveFile, request);
}

std::optional<std::string> Session::BrowseForFile(Window*, const std::string& title) {
  FileDialogRequest request;
  request.title = title;
  return FileDialog(ExpectKind::BrowseForFile, request);
}

bool Session::PrintDocument(Window*, const std::string& docName,
                            const std::function<void(PrinterSurface&)>& draw) {
  std::unique_ptr<Expectation> e = Take(ExpectKind::Print, KindName(ExpectKind::Print));
  if (!e || e->cancel) return false;
  m_printerStore.push_back(std::make_unique<RecordingSurface>(e->dpi, e->page, true));
  RecordingSurface& recording = *m_printerStore.back();
  m_printers.push_back(&recording);
  recording.StartDoc(docName);
  CheckingPrinter printer(recording, [this](const std::string& m) { Fail("printing: " + m); });
  draw(printer);
  if (printer.InPage()) Fail("printing: the last page was left open");
  recording.EndDoc();
  return recording.PageCount() > 0;
}

int Session::TrackPopupMenu(Menu& popup, Window&) {
  std::string what = "context menu " + std::to_string(popup.GetTemplateId());
  std::unique_ptr<Expectation> e = Take(ExpectKind::ContextMenu, what);
  if (!e) return 0;
  if (e->templateId != popup.GetTemplateId()) {
    Fail("expected " + e->Describe() + " but got " + what);
    return 0;
  }
  if (e->cancel || e->command == 0) return 0;
  const MenuItem* item = popup.FindItem(e->command);
  if (!item) {
    Fail(what + " has no item " + std::to_string(e->command));
    return 0;
  }
  if (item->grayed) {
    Fail(what + ": item " + std::to_string(e->command) + " is greyed");
    return 0;
  }
  return e->command;
}

void Session::SetWaitCursor(bool wait) {
  if (wait) { ++m_wait; ++m_waitShown; }
  else if (m_wait > 0) --m_wait;
}

bool Session::OpenUrl(const std::string& url) {
  m_urls.push_back(url);
  return true;
}

std::shared_ptr<Image> Session::DecodeImage(const std::vector<unsigned char>& bytes) {
  if (auto bmp = DecodeBmp(bytes)) return bmp;
  return DecodeJpeg(bytes);
}

}  // namespace headless
}  // namespace ui
