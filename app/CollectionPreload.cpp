#include "app/CollectionPreload.h"

#include "collection/GestionBD.h"

#include <future>
#include <utility>

namespace CollectionPreload {

namespace {

struct Reading {
  std::string folder;
  // The thread owns the store until it is taken; nothing else touches it.
  std::future<std::pair<std::unique_ptr<CGestionBD>, int>> store;
};

// Started and taken on the user-interface thread only.
Reading& TheReading() {
  static Reading reading;  // at the end of the program, waits for an untaken reading
  return reading;
}

}  // namespace

void Start(const std::string& programFolder) {
  Reading& reading = TheReading();
  if (reading.store.valid()) return;
  reading.folder = programFolder;
  reading.store = std::async(std::launch::async, [programFolder] {
    auto store = std::make_unique<CGestionBD>();
    const int result = store->Load(programFolder);
    return std::make_pair(std::move(store), result);
  });
}

std::unique_ptr<CGestionBD> Take(const std::string& programFolder, int& result) {
  Reading& reading = TheReading();
  if (!reading.store.valid() || reading.folder != programFolder) return nullptr;
  auto [store, loaded] = reading.store.get();
  result = loaded;
  return std::move(store);
}

}  // namespace CollectionPreload
