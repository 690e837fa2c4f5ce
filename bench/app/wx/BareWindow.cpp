// The yardstick of the start-up benchmark: a bare toolkit window, a frame of
// the main window's size holding one report list of 5000 rows, shown and
// painted, then the program ends. Nothing of Quillory is linked.
#include <wx/app.h>
#include <wx/frame.h>
#include <wx/listctrl.h>

namespace {

class RowList : public wxListCtrl {
 public:
  explicit RowList(wxWindow* parent)
      : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                   wxLC_REPORT | wxLC_VIRTUAL | wxLC_SINGLE_SEL) {
    for (int c = 0; c < 10; ++c) AppendColumn(wxString::Format("Colonne %d", c), wxLIST_FORMAT_LEFT, 90);
    SetItemCount(5000);
  }
  wxString OnGetItemText(long item, long column) const override {
    return wxString::Format("Album %ld.%ld", item, column);
  }
};

class BareApp : public wxApp {
 public:
  bool OnInit() override {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Bare", wxDefaultPosition, wxSize(1418, 920));
    new RowList(frame);
    frame->Show();
    // Once shown: paint everything, then end, as Quillory does when measured.
    CallAfter([this, frame] {
      ProcessPendingEvents();
      frame->Update();
      frame->Destroy();
    });
    return true;
  }
};

}  // namespace

wxIMPLEMENT_APP(BareApp);
