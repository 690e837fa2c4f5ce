// The dialog class application windows derive from: run modally with
// DoModal (the backend shows it and returns the code given to EndDialog), or
// created as a child dialog (a tab page) inside a parent window with Create.
#pragma once

#include "platform/Window.h"

namespace ui {

class Dialog : public Window {
 public:
  Dialog(const DialogTemplate& tmpl, Window* parent) : Window(tmpl, parent) {}

  // Runs the dialog modally; returns the EndDialog code (IDOK, IDCANCEL...),
  // or -1 when no window could be shown.
  int DoModal();
  // Ends the modal run (the window stays alive until DoModal returns).
  void EndDialog(int result);
  bool IsEnded() const { return m_ended; }
  int GetModalResult() const { return m_result; }
  bool IsModal() const { return m_modal; }

  // Creates a child dialog (template with Style::Child) inside parent.
  bool Create(Window* parent);
  void DestroyWindow();

  // Default handlers: OK and Cancel end the dialog; the close request
  // cancels, as the platform's dialog procedure does.
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  void OnClose() override { OnCancel(); }

  // Backend side: the modal run begins.
  void BeginModal() { m_modal = true; m_ended = false; m_result = 0; }
  void FinishModal() { m_modal = false; }

 protected:
  bool OnCommand(int id) override;

 private:
  bool m_modal = false;
  bool m_ended = false;
  int m_result = 0;
};

}  // namespace ui
