// Report list views: a virtual native list that asks the model for each
// visible cell, so thousands of rows fill at once. Clicks are read from the
// mouse and handed to the model, which selects and notifies as the platform
// does; the model's selection is then shown natively.
#include "Peers.h"

#include "Text1252.h"
#include "platform/ListView.h"
#include "platform/Window.h"

#include <wx/listctrl.h>

namespace ui {
namespace wxb {

namespace {

class VirtualList : public wxListCtrl {
 public:
  VirtualList(wxWindow* parent, ListView& model, long style)
      : wxListCtrl(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, style), m_model(&model) {}
  void Detach() { m_model = nullptr; }
  wxString OnGetItemText(long item, long column) const override {
    // A hidden column (width 0) shows nothing: the toolkit's list would let
    // the first letters of its texts spill into the next column.
    if (!m_model || m_model->GetColumnWidth(int(column)) <= 0) return wxString();
    return ToWx(m_model->GetItemText(int(item), int(column)));
  }

 private:
  ListView* m_model;
};

long ListStyle(const Control& c) {
  long style = wxLC_REPORT | wxLC_VIRTUAL;
  if (c.HasStyle(Style::SingleSel)) style |= wxLC_SINGLE_SEL;
  if (c.HasStyle(Style::NoSortHeader)) style |= wxLC_NO_SORT_HEADER;
  return style;
}

int WxFormat(int format) {
  return format == LVCFMT_RIGHT ? wxLIST_FORMAT_RIGHT
         : format == LVCFMT_CENTER ? wxLIST_FORMAT_CENTRE : wxLIST_FORMAT_LEFT;
}

}  // namespace

class ListPeer : public NativeControl {
 public:
  ListPeer(ListView& model, wxWindow* parent)
      : NativeControl(model, new VirtualList(parent, model, ListStyle(model))), m_list(model) {
    PushColumns();
    PushRows();
    BindCommonEvents();
    // The rows area is the list's largest child (the header is the other).
    wxWindow* rows = m_native;
    for (wxWindow* child : m_native->GetChildren())
      if (rows == m_native || child->GetSize().y > rows->GetSize().y) rows = child;
    rows->Bind(wxEVT_SET_FOCUS, [this](wxFocusEvent& e) {
      if (m_model) m_model->GetParent().UserFocus(m_model);
      e.Skip();
    });
    rows->Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& e) {
      if (!m_model) return;
      m_native->SetFocus();
      m_list.UserClick(HitRow(e.GetPosition()));
    });
    rows->Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent& e) {
      if (!m_model) return;
      NotifyInfo info(Notification::ItemDoubleClick);
      info.row = HitRow(e.GetPosition());
      m_list.Notify(info);
    });
    rows->Bind(wxEVT_RIGHT_DOWN, [this](wxMouseEvent& e) {
      if (!m_model) return;
      m_native->SetFocus();
      m_list.UserRightClick(HitRow(e.GetPosition()));
    });
    // Keyboard moves in the list select like a click without the click.
    m_native->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& e) {
      if (!m_model || m_pushing) return;
      m_list.UserSelect(int(e.GetIndex()));
    });
    m_native->Bind(wxEVT_LIST_COL_CLICK, [this](wxListEvent& e) {
      if (m_model && e.GetColumn() >= 0) m_list.UserClickHeader(e.GetColumn());
    });
    m_native->Bind(wxEVT_LIST_COL_END_DRAG, [this](wxListEvent& e) {
      int column = e.GetColumn();
      m_native->CallAfter([this, column] {
        if (m_model) m_list.UserResizeColumn(column, List()->GetColumnWidth(column));
      });
      e.Skip();
    });
  }
  void Detach() override {
    static_cast<VirtualList*>(m_native)->Detach();
    NativeControl::Detach();
  }
  wxListCtrl* List() const { return static_cast<wxListCtrl*>(m_native); }

  int HitRow(const wxPoint& p) {
    int flags = 0;
    long row = List()->HitTest(p, flags);
    return (row >= 0 && (flags & wxLIST_HITTEST_ONITEM)) ? int(row) : -1;
  }

  void PushColumns() {
    PushGuard guard(m_pushing);
    wxListCtrl* list = List();
    while (list->GetColumnCount() > m_list.GetColumnCount()) list->DeleteColumn(list->GetColumnCount() - 1);
    for (int c = 0; c < m_list.GetColumnCount(); ++c) {
      wxString title = ToWx(m_list.GetColumnTitle(c));
      int format = WxFormat(m_list.GetColumnFormat(c));
      if (c >= list->GetColumnCount()) {
        list->InsertColumn(c, title, format, m_list.GetColumnWidth(c));
        continue;
      }
      wxListItem item;
      item.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT);
      item.SetText(title);
      item.SetAlign(wxListColumnFormat(format));
      list->SetColumn(c, item);
      if (list->GetColumnWidth(c) != m_list.GetColumnWidth(c)) list->SetColumnWidth(c, m_list.GetColumnWidth(c));
    }
    PushSortIndicator();
  }
  void PushRows() {
    PushGuard guard(m_pushing);
    List()->SetItemCount(m_list.GetItemCount());
    // Only a fresh count clears the native selection; the model's is shown again.
    for (int row = 0; row < m_list.GetItemCount(); ++row)
      if (List()->GetItemState(row, wxLIST_STATE_SELECTED) && !m_list.GetItemState(row, LVIS_SELECTED))
        List()->SetItemState(row, 0, wxLIST_STATE_SELECTED);
    for (int row = m_list.GetNextSelectedItem(); row >= 0; row = m_list.GetNextSelectedItem(row))
      PushState(row);
    List()->Refresh();
  }
  void PushState(int row) {
    PushGuard guard(m_pushing);
    long state = 0;
    if (m_list.GetItemState(row, LVIS_SELECTED)) state |= wxLIST_STATE_SELECTED;
    if (m_list.GetItemState(row, LVIS_FOCUSED)) state |= wxLIST_STATE_FOCUSED;
    List()->SetItemState(row, state, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
  }
  void PushSortIndicator() {
    if (m_list.GetSortIndicatorColumn() >= 0)
      List()->ShowSortIndicator(m_list.GetSortIndicatorColumn(), m_list.IsSortIndicatorAscending());
    else
      List()->RemoveSortIndicator();
  }
  void Update(Aspect aspect, int index) override {
    switch (aspect) {
      case Aspect::Columns: PushColumns(); break;
      case Aspect::Rows:
        // Filling a list changes its rows thousands of times: the native
        // list learns the outcome once, when the handler has finished.
        if (!m_syncPending) {
          m_syncPending = true;
          m_native->CallAfter([this] {
            m_syncPending = false;
            if (m_model) PushRows();
          });
        }
        break;
      case Aspect::Row:
        if (!m_syncPending && index >= 0 && index < List()->GetItemCount()) List()->RefreshItem(index);
        break;
      case Aspect::Selection:
        if (!m_syncPending && index >= 0 && index < List()->GetItemCount()) PushState(index);
        break;
      case Aspect::SortIndicator: PushSortIndicator(); break;
      case Aspect::Focus:
        if (!m_syncPending && index >= 0 && index < List()->GetItemCount()) List()->EnsureVisible(index);
        break;
      default: break;
    }
  }

 private:
  ListView& m_list;
  bool m_syncPending = false;
};

std::unique_ptr<NativeControl> MakeListPeer(ListView& model, wxWindow* parent) {
  return std::make_unique<ListPeer>(model, parent);
}

}  // namespace wxb
}  // namespace ui
