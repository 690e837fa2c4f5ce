// Tab controls: a notebook whose pages stay empty; the owning window places
// its child dialogs over the display area, as the platform's tab control
// expects.
#include "Peers.h"

#include "Text1252.h"
#include "platform/TabCtrl.h"

#include <wx/notebook.h>
#include <wx/panel.h>

namespace ui {
namespace wxb {

class TabPeer : public NativeControl {
 public:
  TabPeer(TabCtrl& model, wxWindow* parent)
      : NativeControl(model, new wxNotebook(parent, wxID_ANY)), m_tab(model) {
    PushItems();
    BindCommonEvents();
    m_native->Bind(wxEVT_NOTEBOOK_PAGE_CHANGING, [this](wxBookCtrlEvent& e) {
      if (!m_model || m_pushing) return;
      int wanted = e.GetSelection();
      m_tab.UserSelect(wanted);
      if (m_model && m_tab.GetCurSel() != wanted) e.Veto();
    });
    // A click on the tab already selected changes no page, so the notebook
    // says nothing; the platform still reports the click.
    m_native->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
      e.Skip();
      if (!m_model || m_pushing) return;
      long flags = 0;
      const int hit = Book()->HitTest(e.GetPosition(), &flags);
      if (hit >= 0 && hit == m_tab.GetCurSel()) m_tab.UserSelect(hit);
    });
  }
  wxNotebook* Book() const { return static_cast<wxNotebook*>(m_native); }

  void PushItems() {
    PushGuard guard(m_pushing);
    // Tabs are mostly added at the end: the pages whose labels still match
    // stay, instead of rebuilding them all for each tab added.
    const int count = m_tab.GetItemCount();
    int keep = 0;
    while (keep < count && keep < int(Book()->GetPageCount()) &&
           Book()->GetPageText(std::size_t(keep)) == ToWx(m_tab.GetItemText(keep)))
      ++keep;
    while (int(Book()->GetPageCount()) > keep) Book()->DeletePage(Book()->GetPageCount() - 1);
    for (int i = keep; i < count; ++i)
      Book()->AddPage(new wxPanel(Book()), ToWx(m_tab.GetItemText(i)), false);
    if (m_tab.GetCurSel() >= 0) Book()->ChangeSelection(m_tab.GetCurSel());
    // Where the pages go: the notebook's size for a page of 100 by 100.
    wxSize outer = Book()->CalcSizeFromPage(wxSize(100, 100));
    int side = (outer.x - 100) / 2;
    int top = outer.y - 100 - side;
    m_tab.SetDisplayInsets(Rect{side, top > 0 ? top : side, side, side});
  }
  void Update(Aspect aspect, int) override {
    if (aspect == Aspect::Items) PushItems();
    if (aspect == Aspect::Selection && m_tab.GetCurSel() >= 0 &&
        m_tab.GetCurSel() < int(Book()->GetPageCount())) {
      PushGuard guard(m_pushing);
      Book()->ChangeSelection(m_tab.GetCurSel());
    }
  }

 private:
  TabCtrl& m_tab;
};

std::unique_ptr<NativeControl> MakeTabPeer(TabCtrl& model, wxWindow* parent) {
  return std::make_unique<TabPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
