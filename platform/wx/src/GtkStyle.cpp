#include "GtkStyle.h"

#include <wx/window.h>

#include <dlfcn.h>

namespace ui {
namespace wxb {

namespace {

// GTK_STYLE_PROVIDER_PRIORITY_APPLICATION
constexpr unsigned kApplicationPriority = 600;

constexpr const char* kCompactButtons =
    "button { padding: 1px 4px; min-width: 0; min-height: 0; }\n"
    "checkbutton, radiobutton { padding: 0 2px; min-height: 0; }\n"
    "check, radio { min-width: 12px; min-height: 12px; margin: 0 4px 0 0; }\n";

template <class Fn> Fn Symbol(const char* name) {
  return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

}  // namespace

void UseCompactButtons() {
  using NewProvider = void* (*)();
  using LoadData = int (*)(void*, const char*, long, void**);
  using DefaultScreen = void* (*)();
  using AddProvider = void (*)(void*, void*, unsigned);
  auto newProvider = Symbol<NewProvider>("gtk_css_provider_new");
  auto loadData = Symbol<LoadData>("gtk_css_provider_load_from_data");
  auto defaultScreen = Symbol<DefaultScreen>("gdk_screen_get_default");
  auto addProvider = Symbol<AddProvider>("gtk_style_context_add_provider_for_screen");
  if (!newProvider || !loadData || !defaultScreen || !addProvider) return;
  void* screen = defaultScreen();
  if (!screen) return;
  void* provider = newProvider();  // kept for the whole run, as the screen keeps it
  if (provider && loadData(provider, kCompactButtons, -1, nullptr))
    addProvider(screen, provider, kApplicationPriority);
}

bool MinimumSize(wxWindow* window, int& width, int& height) {
  using Preferred = void (*)(void*, int*, int*);
  auto preferredWidth = Symbol<Preferred>("gtk_widget_get_preferred_width");
  auto preferredHeight = Symbol<Preferred>("gtk_widget_get_preferred_height");
  void* widget = window ? static_cast<void*>(window->GetHandle()) : nullptr;
  if (!preferredWidth || !preferredHeight || !widget) return false;
  int natural = 0;
  preferredWidth(widget, &width, &natural);
  preferredHeight(widget, &height, &natural);
  return true;
}

}  // namespace wxb
}  // namespace ui
