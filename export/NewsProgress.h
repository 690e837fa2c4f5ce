#pragma once
// The progress box of the news download (template 170): it stays up while
// the download runs and ends by itself when it is over; "Annuler", Escape or
// the close box stop the download.

#include "platform/Dialog.h"

class CNewsDownload;

class CNewsProgress : public ui::Dialog {
 public:
  CNewsProgress(ui::Window* parent, CNewsDownload& download);

  bool OnInitDialog() override;
  void OnTimer(int id) override;
  void OnCancel() override;

  static constexpr int TIMER_POLL = 1;
  static constexpr int POLL_MS = 50;

 private:
  CNewsDownload& m_download;
};
