#include "controls/Resizer.h"

#include "platform/Control.h"
#include "platform/Window.h"

#include <cassert>

namespace {

// The coordinate of a rectangle a side code names; 0 for an unknown code.
bool SideOf(const ui::Rect& rc, int side, int& value) {
  switch (side) {
    case SIDE_LEFT: value = rc.left; return true;
    case SIDE_TOP: value = rc.top; return true;
    case SIDE_RIGHT: value = rc.right; return true;
    case SIDE_BOTTOM: value = rc.bottom; return true;
    case SIDE_HCENTER: value = (rc.left + rc.right) / 2; return true;
    case SIDE_VCENTER: value = (rc.top + rc.bottom) / 2; return true;
    default: value = 0; return false;
  }
}

bool IsHorizontal(int side) { return side == SIDE_LEFT || side == SIDE_RIGHT || side == SIDE_HCENTER; }

}  // namespace

CResizer::~CResizer() { Clear(); }

void CResizer::Clear() {
  m_pCtrls.clear();
  m_pCache.clear();
  m_nSize = 0;
  m_nCachedSize = 0;
}

bool CResizer::SetUp(ui::Window& parent, const ui::Rect* reference, const ResizeInfo* table,
                     int count) {
  Clear();
  m_hParent = &parent;
  m_rcInitial = reference ? *reference : parent.GetClientRect();
  bool allFound = true;
  for (int i = 0; i < count; ++i) {
    const ResizeInfo& info = table[i];
    assert(info.nID != IDC_MAIN && "ci.pInfo->nID != IDC_MAIN");
    for (const CtrlInfo& previous : m_pCtrls) {
      (void)previous;
      assert(previous.pInfo->nID != info.nID && "ciPrevious.pInfo->nID != ci.pInfo->nID");
    }
    const ui::Control* control = parent.GetDlgItem(info.nID);
    if (!control) {
      allFound = false;
      continue;
    }
    m_pCtrls.push_back(CtrlInfo{control->GetRect(), &info});
  }
  m_nSize = int(m_pCtrls.size());
  return allFound;
}

bool CResizer::Reference(std::int32_t id, ui::Rect& initial, ui::Rect& current) const {
  if (id == IDC_MAIN) {
    initial = m_rcInitial;
    current = m_hParent->GetClientRect();
    return true;
  }
  // Only controls computed earlier in this Move can serve as references.
  for (int i = 0; i < m_nCachedSize - 1; ++i) {
    if (m_pCtrls[std::size_t(i)].pInfo->nID == id) {
      initial = m_pCtrls[std::size_t(i)].rc;
      current = m_pCache[std::size_t(i)].rc;
      return true;
    }
  }
  return false;
}

int CResizer::Compute(const CtrlInfo& ci, const CtrlCache& own, const ResizeSide& side,
                      int sideCode) const {
  int initialOwn = 0;
  SideOf(ci.rc, sideCode, initialOwn);
  switch (side.nType) {
    case ANCHOR_OFFSET:
    case ANCHOR_PROPORTIONAL: {
      ui::Rect initial, current;
      int initialRef = 0, currentRef = 0;
      if (!Reference(side.nRefID, initial, current) || !SideOf(initial, side.nRefSide, initialRef) ||
          !SideOf(current, side.nRefSide, currentRef)) {
        assert(!"FALSE");
        return initialOwn;
      }
      if (side.nType == ANCHOR_OFFSET) return initialOwn - initialRef + currentRef;
      bool horizontal = IsHorizontal(side.nRefSide);
      long long initialSize = horizontal ? initial.Width() : initial.Height();
      long long currentSize = horizontal ? current.Width() : current.Height();
      if (initialSize <= 0) initialSize = 1;
      return int((initialOwn - initialRef) * currentSize / initialSize + currentRef);
    }
    case ANCHOR_KEEP_WIDTH:
      if (sideCode != SIDE_RIGHT) break;
      return own.rc.left + ci.rc.Width();
    case ANCHOR_KEEP_HEIGHT:
      if (sideCode != SIDE_BOTTOM) break;
      return own.rc.top + ci.rc.Height();
    default:
      break;
  }
  assert(!"FALSE");
  return initialOwn;
}

void CResizer::Move() {
  if (!m_hParent) return;
  if (m_pCache.size() != m_pCtrls.size()) m_pCache.assign(m_pCtrls.size(), CtrlCache{});

  for (int i = 0; i < m_nSize; ++i) {
    m_nCachedSize = i + 1;
    const CtrlInfo& ci = m_pCtrls[std::size_t(i)];
    CtrlCache& entry = m_pCache[std::size_t(i)];
    entry.nID = ci.pInfo->nID;
    entry.rc.left = Compute(ci, entry, ci.pInfo->left, SIDE_LEFT);
    entry.rc.top = Compute(ci, entry, ci.pInfo->top, SIDE_TOP);
    entry.rc.right = Compute(ci, entry, ci.pInfo->right, SIDE_RIGHT);
    entry.rc.bottom = Compute(ci, entry, ci.pInfo->bottom, SIDE_BOTTOM);
    const ui::Control* control = m_hParent->GetDlgItem(entry.nID);
    entry.bVisibleNoClip =
        control && control->IsWindowVisible() && !control->HasStyle(ui::Style::ClipSiblings);
    entry.bOverlap = false;
  }

  assert(m_nSize == m_nCachedSize && "m_nSize == m_nCachedSize");
  for (int i = 0; i < m_nSize; ++i) {
    CtrlCache& entry = m_pCache[std::size_t(i)];
    if (entry.bVisibleNoClip) {
      for (int j = 0; j < i; ++j) {
        const CtrlCache& earlier = m_pCache[std::size_t(j)];
        if (earlier.bVisibleNoClip && entry.rc.Intersects(earlier.rc)) {
          entry.bOverlap = true;
          break;
        }
      }
    }
    ui::Control* control = m_hParent->GetDlgItem(entry.nID);
    if (control) control->MoveWindow(entry.bOverlap ? ui::Rect{} : entry.rc);
  }
}
