#include "export/NewsProgress.h"

#include "export/NewsDownload.h"
#include "resources/Templates.h"

CNewsProgress::CNewsProgress(ui::Window* parent, CNewsDownload& download)
    : ui::Dialog(kDialogNewsProgress, parent), m_download(download) {}

bool CNewsProgress::OnInitDialog() {
  // A download that ended before the box came up ends it at once.
  if (m_download.IsFinished()) EndDialog(ui::IDOK);
  else SetTimer(TIMER_POLL, POLL_MS);
  return true;
}

void CNewsProgress::OnTimer(int id) {
  if (id != TIMER_POLL || !m_download.IsFinished()) return;
  KillTimer(TIMER_POLL);
  EndDialog(ui::IDOK);
}

void CNewsProgress::OnCancel() {
  m_download.Cancel();
  KillTimer(TIMER_POLL);
  EndDialog(ui::IDCANCEL);
}
