#pragma once
// The notepad (template 159): a free text kept in "data\BlocNote.txt" below
// the program folder. The file holds the text as the Windows program wrote it
// in text mode: each line break of the box (CR LF) is stored as CR CR LF.

#include "platform/Dialog.h"

#include <string>

class CQuilloryBlocNote : public ui::Dialog {
 public:
  CQuilloryBlocNote(ui::Window* parent, std::string dossier);
  bool OnInitDialog() override;
  // Writes the note; the dialog stays open, with a message, when it cannot.
  void OnOK() override;

  static constexpr const char* FILE_NAME = "data\\BlocNote.txt";
  static constexpr const char* MSG_CANNOT_WRITE =
      "Impossible d'enregistrer le bloc note dans le fichier %s";

  // The file's bytes for the box's text, and back.
  static std::string ToFileBytes(const std::string& text);
  static std::string FromFileBytes(const std::string& bytes);

 private:
  std::string m_szDossier;
};
