// Keeps child controls of a resizable window anchored: each side of each
// managed control follows a side of a reference (the window, IDC_MAIN, or a
// managed control earlier in the table). The window describes the anchors
// once in a table, calls SetUp after its controls exist and Move from its
// size-change handler.
//
//   static const ResizeInfo kResize[] = {
//     {1031, {ANCHOR_OFFSET, IDC_MAIN, SIDE_LEFT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_TOP},
//            {ANCHOR_OFFSET, IDC_MAIN, SIDE_RIGHT}, {ANCHOR_OFFSET, IDC_MAIN, SIDE_BOTTOM}}};
//   m_resizer.SetUp(*this, nullptr, kResize, 1);
//   ... OnSize: m_resizer.Move();
#pragma once

#include "platform/Types.h"

#include <cstdint>
#include <vector>

namespace ui {
class Window;
}

// The window itself as a reference.
enum : std::int32_t { IDC_MAIN = 0 };

// Anchor types: how a side's new coordinate is computed.
enum : std::int32_t {
  ANCHOR_OFFSET = 1,        // keeps its distance to the reference side
  ANCHOR_PROPORTIONAL = 2,  // distance scaled with the reference's size
  ANCHOR_KEEP_WIDTH = 3,    // right side only: new left + initial width
  ANCHOR_KEEP_HEIGHT = 4,   // bottom side only: new top + initial height
};

// Side codes: which coordinate of a rectangle (centres truncate toward zero).
enum : std::int32_t {
  SIDE_LEFT = 1,
  SIDE_TOP = 2,
  SIDE_RIGHT = 3,
  SIDE_BOTTOM = 4,
  SIDE_HCENTER = 5,
  SIDE_VCENTER = 6,
};

struct ResizeSide {
  std::int32_t nType;     // anchor type
  std::int32_t nRefID;    // reference control id, IDC_MAIN for the window
  std::int32_t nRefSide;  // side code of the reference
};

struct ResizeInfo {
  std::int32_t nID;       // managed control id, never IDC_MAIN
  ResizeSide left, top, right, bottom;
};

class CResizer {
 public:
  CResizer() = default;
  ~CResizer();
  CResizer(const CResizer&) = delete;
  CResizer& operator=(const CResizer&) = delete;

  // Forgets any earlier set-up; records the window, its reference rectangle
  // (the client rectangle when `reference` is null) and each control's
  // current rectangle. The table must outlive the resizer. False when a
  // control of the table does not exist (it is then left out).
  bool SetUp(ui::Window& parent, const ui::Rect* reference, const ResizeInfo* table, int count);
  // Recomputes every rectangle for the window's current client size and
  // moves the controls.
  void Move();
  void Clear();

  int GetSize() const { return m_nSize; }

 private:
  struct CtrlInfo {
    ui::Rect rc;              // at set-up, in the window's client coordinates
    const ResizeInfo* pInfo;
  };
  struct CtrlCache {
    std::int32_t nID;
    ui::Rect rc;              // computed by the last Move
    bool bVisibleNoClip;      // visible and without the clip-siblings style
    bool bOverlap;            // intersects an earlier such control
  };
  int Compute(const CtrlInfo& ci, const CtrlCache& own, const ResizeSide& side, int sideCode) const;
  bool Reference(std::int32_t id, ui::Rect& initial, ui::Rect& current) const;

  ui::Window* m_hParent = nullptr;
  ui::Rect m_rcInitial;
  std::vector<CtrlInfo> m_pCtrls;
  int m_nSize = 0;
  std::vector<CtrlCache> m_pCache;
  int m_nCachedSize = 0;
};
