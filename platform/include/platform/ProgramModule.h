#pragma once
// Shared modules of the program folder that are opened only when first needed
// (the web engine, the download and stylesheet tools), so the program starts
// without them.

namespace ui {

// Opens `fileName` beside the executable, or else in lib/quillory/ beside the
// executable's folder (an installed program), or else in `buildFolder` (test
// programs live elsewhere in the build and find the module in the build's
// program folder; may be null). The module is never closed: the libraries
// behind it keep threads and global state. Each candidate that exists but
// cannot be loaded is reported on stderr; null when none loads.
void* OpenProgramModule(const char* fileName, const char* buildFolder);

// The symbol `name` of an opened module, or null.
void* ProgramModuleSymbol(void* module, const char* name);

}  // namespace ui
