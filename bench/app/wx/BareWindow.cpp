// The yardstick of the start-up benchmark: a bare toolkit window, a frame of
// the main window's size holding one report list of as many rows as the
// first argument says (5000 without one), shown and painted, then the
// program ends. Nothing of Quillory is linked.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/listctrl.h>

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace {

class RowList : public wxListCtrl {
 public:
  RowList(wxWindow* parent, long rows)
      : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL) {
    for (int c = 0; c < 10; ++c) AppendColumn(wxString::Format("Colonne %d", c), wxLIST_FORMAT_LEFT, 90);
    SetItemCount(rows);
  }
  wxString OnGetItemText(long item, long column) const override {
    return wxString::Format("Album %ld.%ld", item, column);
  }
};

class BareApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare", wxDefaultPosition, wxSize(1418, 920));
    new RowList(frame, argc > 1 ? std::atol(wxString(argv[1]).mb_str()) : 5000);
    frame->Show();
    // Once shown: paint everything, then end, as Quillory does when measured.
    CallAfter([this, frame] {
      ProcessPendingEvents();
      frame->Update();
      // The moment shown, as Quillory tells it, for the benchmark.
      if (const char* file = std::getenv("QUILLORY_SHOWN_FILE")) {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::ofstream(file) << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
      }
      frame->Destroy();
    });
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(BareApp);
