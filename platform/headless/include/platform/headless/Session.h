// The headless backend for tests. A Session installs itself as the backend
// for its lifetime and holds the script of every modal interaction the test
// expects, in order: message boxes with their texts and answers, files to
// pick, dialogs with what to do inside them, context menus, print set-up.
// Anything that comes unexpected, or in another order, fails the test; so
// does an expectation still pending when the session ends (or at Verify).
//
//   ui::headless::Session session;
//   session.ExpectMessageBox("Voulez vous vraiment supprimer cette BD?").Answer(ui::IDYES);
//   session.ExpectMessageBox("BD Supprim\xe9" "e");
//   ui::headless::Driver(page).Click(...);
//
// Expectations added while a scripted dialog's action runs are placed before
// those still pending outside it, and must all be met before the action ends.
#pragma once

#include "platform/Backend.h"
#include "platform/DialogTemplate.h"
#include "platform/RecordingSurface.h"

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

namespace ui {
class Dialog;
namespace headless {

class Driver;

enum class ExpectKind { MessageBox, OpenFile, SaveFile, BrowseForFile, Dialog, ContextMenu, Print };

// One expected interaction; the fluent setters refine what is checked and
// what the user answers.
class Expectation {
 public:
  // Message boxes
  Expectation& Answer(int button);              // IDOK, IDYES, IDNO, IDCANCEL
  // The user presses Escape, or the box's close button: as on the real
  // toolkit, a Yes/No box answers No, an OK/Cancel box Cancel, an OK box OK.
  Expectation& Escape();
  Expectation& CloseBox();
  Expectation& Caption(const std::string& caption);
  Expectation& Type(unsigned type);             // buttons and icon, checked exactly
  // File dialogs
  Expectation& Choose(const std::string& path); // the file picked
  Expectation& Cancel();                        // the user cancels (also context menus, print dialog)
  Expectation& InitialDir(const std::string& dir);
  // The dialog's title as shown (an empty request title shows the
  // platform's French one: "Ouvrir", "Enregistrer sous").
  Expectation& Title(const std::string& title);
  Expectation& Filter(const std::string& description, const std::string& pattern);
  // Context menus: the command chosen (0: dismissed)
  Expectation& Command(int id);
  // Print dialog: the printer's resolution and page size
  Expectation& Printer(int dpi, Size page);

  std::string Describe() const;

 private:
  friend class Session;
  ExpectKind kind = ExpectKind::MessageBox;
  std::string text;              // message box text
  bool checkCaption = false; std::string caption;
  bool checkType = false; unsigned type = 0;
  bool answered = false; int answer = 0;
  bool dismissed = false;        // Escape or the close button
  bool checkTitle = false; std::string title;
  bool cancel = false; std::string path;
  bool checkDir = false; std::string dir;
  bool checkFilter = false; FileFilter filter;
  int templateId = 0;            // dialogs and context menus
  std::function<void(Driver&)> action;
  int command = 0;
  int dpi = 600; Size page{4960, 7016};
  int frame = 0;                 // depth of the dialog action that added it
};

// A record of what was shown, for tests that look back.
struct ShownMessageBox { std::string text, caption; unsigned type; int answer; };

class Session : public Backend {
 public:
  Session();
  ~Session() override;  // verifies, then uninstalls
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // ---- Script ----
  Expectation& ExpectMessageBox(const std::string& text);
  Expectation& ExpectOpenFile();
  Expectation& ExpectSaveFile();
  Expectation& ExpectBrowseForFile();
  // A modal dialog of that template: it is created and initialised, then the
  // action drives it (through the driver) and must end it.
  Expectation& ExpectDialog(int templateId, std::function<void(Driver&)> action);
  // A context menu built from that menu template; Command picks an item.
  Expectation& ExpectContextMenu(int menuTemplateId);
  // The print dialog: the user confirms (or Cancel). The document is drawn
  // on a recording printer; drawing outside a page, a page begun twice or
  // ended unopened, a page left open, a line running off the page or the
  // routine touching the document itself fail the test, as they would
  // print badly or not at all on a real printer.
  Expectation& ExpectPrint();

  // Fails the test for every expectation not met yet, and forgets them.
  void Verify();
  bool AllMet() const { return m_pending.empty(); }

  // ---- Windows a test drives directly ----
  // Creates and initialises a dialog as if it were running modally, without
  // a loop; the test then drives it and may check it ended.
  void Open(Dialog& dialog);

  // ---- What happened ----
  const std::vector<ShownMessageBox>& MessageBoxes() const { return m_shown; }
  const std::vector<std::string>& OpenedUrls() const { return m_urls; }
  // The documents printed, one recording each (alive until the session ends).
  const std::vector<RecordingSurface*>& Printers() const { return m_printers; }
  int WaitCursorDepth() const { return m_wait; }
  int WaitCursorShownCount() const { return m_waitShown; }
  // Dialog units of headless windows (MS Sans Serif 8 at 96 dpi by default).
  void SetDialogUnits(const DialogUnits& units) { m_units = units; }
  void SetCursorPos(Point p) { m_cursor = p; }

  // ---- Backend ----
  int RunModal(Dialog& dialog) override;
  void EndModal(Dialog& dialog, int result) override;
  bool CreateChild(Dialog& child) override;
  void DestroyChild(Dialog& child) override;
  int MessageBox(Window* owner, const std::string& text, const std::string& caption,
                 unsigned type) override;
  std::optional<std::string> GetOpenFileName(const FileDialogRequest& request) override;
  std::optional<std::string> GetSaveFileName(const FileDialogRequest& request) override;
  std::optional<std::string> BrowseForFile(Window* owner, const std::string& title) override;
  bool PrintDocument(Window* owner, const std::string& docName,
                     const std::function<void(PrinterSurface&)>& draw) override;
  int TrackPopupMenu(Menu& popup, Window& owner) override;
  Point GetCursorPos() override { return m_cursor; }
  void SetWaitCursor(bool wait) override;
  bool OpenUrl(const std::string& url) override;
  std::shared_ptr<Image> DecodeImage(const std::vector<unsigned char>& bytes) override;

 private:
  Expectation& Add(Expectation e);
  // The next expectation if it has that kind; fails the test otherwise.
  std::unique_ptr<Expectation> Take(ExpectKind kind, const std::string& what);
  std::optional<std::string> FileDialog(ExpectKind kind, const FileDialogRequest& request);
  void Fail(const std::string& message);

  void RunAction(Expectation& e, Dialog& dialog);

  std::list<Expectation> m_pending;
  int m_depth = 0;                              // dialog actions running
  std::vector<ShownMessageBox> m_shown;
  std::vector<std::string> m_urls;
  std::vector<std::unique_ptr<RecordingSurface>> m_printerStore;
  std::vector<RecordingSurface*> m_printers;
  int m_wait = 0;
  int m_waitShown = 0;
  DialogUnits m_units;
  Point m_cursor{100, 100};
  Backend* m_previous = nullptr;
};

}  // namespace headless
}  // namespace ui
