#pragma once
// What every place that writes the database says when it could not: the
// window keeps its changes waiting for a later save. A database marked
// read-only (the user's own protection) is named as such, since a save never
// replaces it.

#include <string>

class CGestionBD;

constexpr const char* MSG_SAVE_FAILED = "Impossible d'enregistrer le fichier de base des BD";
constexpr const char* MSG_SAVE_READ_ONLY =
    "\n\nLe fichier %s est en lecture seule : Quillory ne le remplace pas. Retirez-lui cette "
    "protection puis enregistrez de nouveau ; d'ici l\xE0 les modifications restent en attente.";

// The message for a save of `gestion` that failed.
std::string SaveFailureMessage(const CGestionBD& gestion);
// Shows it.
void ReportSaveFailure(const CGestionBD& gestion);
