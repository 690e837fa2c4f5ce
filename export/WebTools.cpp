#include "export/WebTools.h"

#include "platform/ProgramModule.h"

namespace {

template <class Fn> bool Find(void* module, const char* name, Fn& fn) {
  fn = reinterpret_cast<Fn>(ui::ProgramModuleSymbol(module, name));
  return fn != nullptr;
}

const WebTools* Load() {
  static WebTools tools;
#ifdef QUILLORY_WEBTOOLS_BUILD_DIR
  const char* buildFolder = QUILLORY_WEBTOOLS_BUILD_DIR;
#else
  const char* buildFolder = nullptr;
#endif
  void* module = ui::OpenProgramModule("libQuilloryWebTools.so", buildFolder);
  if (module && Find(module, "QuilloryXslWellFormed", tools.wellFormed) &&
      Find(module, "QuilloryXslStylesheetOf", tools.stylesheetOf) &&
      Find(module, "QuilloryXslWithStylesheet", tools.withStylesheet) &&
      Find(module, "QuilloryXslApply", tools.apply) &&
      Find(module, "QuilloryDownload", tools.download))
    return &tools;
  return nullptr;
}

}  // namespace

const WebTools* WebTools::Get() {
  static const WebTools* loaded = Load();  // once, even with threads
  return loaded;
}
