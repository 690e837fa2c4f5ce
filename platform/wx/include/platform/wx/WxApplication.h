// Starts the wxWidgets toolkit for the program's run and installs the
// wxWidgets backend; the program then runs its main window with DoModal.
//
//   int main(int argc, char** argv) {
//     ui::wxb::WxApplication app(argc, argv);
//     if (!app.IsOk()) return 1;
//     ui::SetAppName("Quillory");
//     CQuilloryDlg dlg(nullptr, style);
//     dlg.DoModal();
//   }
#pragma once

namespace ui {
namespace wxb {

class WxApplication {
 public:
  WxApplication(int& argc, char** argv);
  ~WxApplication();
  WxApplication(const WxApplication&) = delete;
  WxApplication& operator=(const WxApplication&) = delete;

  // False when no display could be opened.
  bool IsOk() const { return m_ok; }
  // How many of the toolkit's internal checks failed (reported on stderr).
  static int CheckFailures();

 private:
  bool m_ok = false;
  bool m_started = false;
  void* m_backend = nullptr;
  void* m_previous = nullptr;
  void* m_locale = nullptr;
};

}  // namespace wxb
}  // namespace ui
