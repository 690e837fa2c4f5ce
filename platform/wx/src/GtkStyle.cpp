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

namespace {

struct GtkAllocation {
  int x, y, width, height;
};

using Callback = std::function<void()>;
using Connect = unsigned long (*)(void*, const char*, void*, void*, void (*)(void*, void*), int);

void OnItemGone(void* data, void* /*closure*/) { delete static_cast<Callback*>(data); }

// Chosen with the keyboard (Return on the selected item).
void OnItemActivate(void* /*item*/, void* data) { (*static_cast<Callback*>(data))(); }

// Chosen with the mouse. GTK's menu bar takes a quick click on one of its
// items as the opening of a menu left open, and activates a plain item only
// on a second click or a long press: the release of the click over the
// item chooses it here, once the bar has let go of the pointer.
struct BarClick {
  void* item;
  Callback chosen;
};

void OnBarClickGone(void* data, void* /*closure*/) { delete static_cast<BarClick*>(data); }

int OnBarRelease(void* bar, void* event, void* data) {
  using Selected = void* (*)(void*);
  using RootCoords = int (*)(const void*, double*, double*);
  using Deactivate = void (*)(void*);
  auto selected = Symbol<Selected>("gtk_menu_shell_get_selected_item");
  auto rootCoords = Symbol<RootCoords>("gdk_event_get_root_coords");
  auto deactivate = Symbol<Deactivate>("gtk_menu_shell_deactivate");
  auto* click = static_cast<BarClick*>(data);
  if (!selected || !rootCoords || !deactivate || selected(bar) != click->item) return 0;
  double x = 0, y = 0;
  int left = 0, top = 0, width = 0, height = 0;
  if (!rootCoords(event, &x, &y) || !WidgetScreenRect(click->item, left, top, width, height) ||
      x < left || x >= left + width || y < top || y >= top + height)
    return 0;
  deactivate(bar);
  click->chosen();
  return 1;
}

}  // namespace

void* AddMenuBarItem(void* gtkMenuBar, int position, const char* utf8Label,
                     std::function<void()> onChosen) {
  using NewItem = void* (*)(const char*);
  using Insert = void (*)(void*, void*, int);
  using Show = void (*)(void*);
  auto newItem = Symbol<NewItem>("gtk_menu_item_new_with_label");
  auto insert = Symbol<Insert>("gtk_menu_shell_insert");
  auto show = Symbol<Show>("gtk_widget_show");
  auto connect = Symbol<Connect>("g_signal_connect_data");
  if (!gtkMenuBar || !newItem || !insert || !show || !connect) return nullptr;
  void* item = newItem(utf8Label);
  if (!item) return nullptr;
  connect(item, "activate", reinterpret_cast<void*>(&OnItemActivate), new Callback(onChosen),
          &OnItemGone, 0);
  connect(gtkMenuBar, "button-release-event", reinterpret_cast<void*>(&OnBarRelease),
          new BarClick{item, std::move(onChosen)}, &OnBarClickGone, 0);
  insert(gtkMenuBar, item, position);
  show(item);
  return item;
}

void SetWidgetSensitive(void* gtkWidget, bool sensitive) {
  using SetSensitive = void (*)(void*, int);
  if (auto set = Symbol<SetSensitive>("gtk_widget_set_sensitive"); set && gtkWidget)
    set(gtkWidget, sensitive ? 1 : 0);
}

bool MenuBarActive(void* gtkMenuBar) {
  using Selected = void* (*)(void*);
  auto selected = Symbol<Selected>("gtk_menu_shell_get_selected_item");
  return selected && gtkMenuBar && selected(gtkMenuBar) != nullptr;
}

void* WidgetParent(void* gtkWidget) {
  using Parent = void* (*)(void*);
  auto parent = Symbol<Parent>("gtk_widget_get_parent");
  return parent && gtkWidget ? parent(gtkWidget) : nullptr;
}

bool WidgetScreenRect(void* gtkWidget, int& x, int& y, int& width, int& height) {
  using Mapped = int (*)(void*);
  using Allocation = void (*)(void*, GtkAllocation*);
  using WindowOf = void* (*)(void*);
  using Origin = int (*)(void*, int*, int*);
  auto mapped = Symbol<Mapped>("gtk_widget_get_mapped");
  auto allocation = Symbol<Allocation>("gtk_widget_get_allocation");
  auto windowOf = Symbol<WindowOf>("gtk_widget_get_window");
  auto origin = Symbol<Origin>("gdk_window_get_origin");
  auto hasWindow = Symbol<Mapped>("gtk_widget_get_has_window");
  if (!gtkWidget || !mapped || !allocation || !windowOf || !origin || !hasWindow ||
      !mapped(gtkWidget))
    return false;
  void* window = windowOf(gtkWidget);
  if (!window) return false;
  GtkAllocation a{};
  allocation(gtkWidget, &a);
  int ox = 0, oy = 0;
  origin(window, &ox, &oy);
  // A widget without a window of its own is placed in its parent's.
  const bool own = hasWindow(gtkWidget) != 0;
  x = own ? ox : ox + a.x;
  y = own ? oy : oy + a.y;
  width = a.width;
  height = a.height;
  return true;
}

}  // namespace wxb
}  // namespace ui
