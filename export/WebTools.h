#pragma once
// libQuilloryWebTools.so (libcurl, libxml2, libxslt and their libraries),
// loaded the first time the export, the news or the web view needs it: the
// program starts without them (they cost tens of milliseconds and several
// MiB at every start otherwise).

#include "export/webtools/WebToolsApi.h"

class WebTools {
 public:
  // The module, loaded on the first call (thread-safe); null when it cannot
  // be loaded.
  static const WebTools* Get();

  QuilloryXslWellFormedFn wellFormed = nullptr;
  QuilloryXslStylesheetOfFn stylesheetOf = nullptr;
  QuilloryXslWithStylesheetFn withStylesheet = nullptr;
  QuilloryXslApplyFn apply = nullptr;
  QuilloryDownloadFn download = nullptr;
};
