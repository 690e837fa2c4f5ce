#include "dialogs/SaveFailure.h"

#include "collection/DataPath.h"
#include "collection/GestionBD.h"
#include "collection/SafeFile.h"
#include "platform/Services.h"

std::string SaveFailureMessage(const CGestionBD& gestion) {
  std::string message = MSG_SAVE_FAILED;
  const std::string path = DataPath(gestion.GetRepertoire(), CGestionBD::DATABASE_FILE);
  if (IsReadOnlyFile(path)) {
    std::string reason = MSG_SAVE_READ_ONLY;
    reason.replace(reason.find("%s"), 2, path);
    message += reason;
  }
  return message;
}

void ReportSaveFailure(const CGestionBD& gestion) {
  ui::AfxMessageBox(SaveFailureMessage(gestion), ui::MB_OK | ui::MB_ICONSTOP);
}
