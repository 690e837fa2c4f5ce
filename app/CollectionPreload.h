#pragma once
// The collection read while the toolkit starts: the program begins reading
// its database on a second thread before it opens the display (the
// toolkit's start takes longer than reading 50 000 albums), and the main
// window takes the store when it needs it. A window opened without it (the
// tests, a second window) reads the file itself.

#include <memory>
#include <string>

class CGestionBD;

namespace CollectionPreload {

// Starts reading the database below the program folder.
void Start(const std::string& programFolder);

// The store read from that folder, once read (waits for it), and the result
// of its Load; null when no reading of that folder was started or it was
// already taken.
std::unique_ptr<CGestionBD> Take(const std::string& programFolder, int& result);

}  // namespace CollectionPreload
