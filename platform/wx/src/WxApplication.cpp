#include "platform/wx/WxApplication.h"

#include "GtkStyle.h"
#include "WxBackend.h"

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <thread>

#if defined(__WXGTK__)
#include <dlfcn.h>
#endif

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/image.h>
#include <wx/init.h>
#include <wx/intl.h>
#include <wx/log.h>
#include <wx/translation.h>

namespace ui {
namespace wxb {

namespace {

int g_checkFailures = 0;

// No command line of its own and no main loop: windows run their own loops.
class QuilloryApp : public wxApp {
 public:
  bool OnInit() override {
    SetExitOnFrameDelete(false);
    return true;
  }
};

// An X server busy with other clients connecting at the same moment now and
// then refuses a connection (seen under Xvfb while a test driver polled it).
// GTK gives up at the first refusal, so the display is opened here, a few
// times if need be; GTK's own start-up then finds it already open. The
// function is looked up in the process (the toolkit links GDK) so that no
// GTK header is needed.
void OpenDisplayPatiently(int& argc, char** argv) {
#if defined(__WXGTK__)
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return;
  using InitCheck = int (*)(int*, char***);
  auto initCheck = reinterpret_cast<InitCheck>(dlsym(RTLD_DEFAULT, "gdk_init_check"));
  if (!initCheck) return;
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (initCheck(&argc, &argv)) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
#else
  (void)argc;
  (void)argv;
#endif
}

}  // namespace

WxApplication::WxApplication(int& argc, char** argv) {
  wxApp::SetInstance(new QuilloryApp);
  OpenDisplayPatiently(argc, argv);
  // A failed start has already cleaned up after itself.
  m_started = wxEntryStart(argc, argv);
  if (!m_started || !wxTheApp || !wxTheApp->CallOnInit()) return;
  wxInitAllImageHandlers();
  UseCompactButtons();
  // A failed toolkit check is reported on the console, never as a pop-up
  // that would stop an unattended run.
  wxSetAssertHandler([](const wxString& file, int line, const wxString& func, const wxString& cond,
                        const wxString& msg) {
    ++g_checkFailures;
    std::fprintf(stderr, "wx check failed: %s:%d %s: %s %s\n", (const char*)file.utf8_str(), line,
                 (const char*)func.utf8_str(), (const char*)cond.utf8_str(), (const char*)msg.utf8_str());
  });
  // What the toolkit reports by itself goes to the console, never into a
  // window: its boxes are not the program's (their captions, their
  // "Valider", a text left untranslated). The program says what went wrong
  // in its own French messages.
  delete wxLog::SetActiveTarget(new wxLogStderr);
  // French dates in date pickers and French stock labels (Oui, Non,
  // Annuler) when the locale and the catalogues are installed. Numbers keep
  // the C library's formatting: the program's files are written with it.
  {
    wxLogNull quiet;
    auto* locale = new wxLocale;
    if (locale->Init(wxLANGUAGE_FRENCH)) m_locale = locale;
    else delete locale;
    std::setlocale(LC_NUMERIC, "C");
  }
  auto* backend = new WxBackend;
  m_backend = backend;
  m_previous = InstallBackend(backend);
  m_ok = true;
}

int WxApplication::CheckFailures() { return g_checkFailures; }

WxApplication::~WxApplication() {
  if (m_backend) {
    InstallBackend(static_cast<Backend*>(m_previous));
    delete static_cast<WxBackend*>(m_backend);
  }
  delete static_cast<wxLocale*>(m_locale);
  if (!m_started) return;
  if (wxTheApp) {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->OnExit();
  }
  wxEntryCleanup();
}

}  // namespace wxb
}  // namespace ui
