#import "schedule_menu.h"

#include <vector>

#include "objc_memory.h"
#import "ScheduleTableView.h"

namespace {

struct MenuItem {
  const char* title;  // nullptr is a separator
  SEL action;
  NSInteger tag;
  const char* key;  // the key equivalent with Command; a capital adds Shift
};

std::vector<MenuItem> scheduleItems() {
  return {
      {"Set to Off", @selector(setSelectedCells:), Off, ""},
      {"Set to Continuous", @selector(setSelectedCells:), Continuous, ""},
      {"Set to Motion", @selector(setSelectedCells:), Motion, ""},
      {nullptr, nullptr, 0, ""},
      {"Copy", @selector(copy:), 0, ""},
      {"Paste", @selector(paste:), 0, ""},
      {nullptr, nullptr, 0, ""},
      {"Copy Day to All Days", @selector(copyDayToAllDays:), 0, ""},
      {"Copy Day to Monday–Friday", @selector(copyDayToWorkDays:), 0, ""},
      {nullptr, nullptr, 0, ""},
      {"Fill Week With Off", @selector(fillWeek:), Off, ""},
      {"Fill Week With Continuous", @selector(fillWeek:), Continuous, ""},
      {"Fill Week With Motion", @selector(fillWeek:), Motion, ""},
  };
}

std::vector<MenuItem> editItems() {
  return {
      {"Undo", @selector(undo:), 0, "z"},
      {"Redo", @selector(redo:), 0, "Z"},
      {nullptr, nullptr, 0, ""},
      {"Cut", @selector(cut:), 0, "x"},
      {"Copy", @selector(copy:), 0, "c"},
      {"Paste", @selector(paste:), 0, "v"},
      {"Select All", @selector(selectAll:), 0, "a"},
  };
}

NSMenu* menuOf(NSString* title, const std::vector<MenuItem>& items) {
  NSMenu* menu = KESTRUNE_AUTORELEASE([[NSMenu alloc] initWithTitle:title]);
  for (const MenuItem& item : items) {
    if (item.title == nullptr) {
      [menu addItem:[NSMenuItem separatorItem]];
      continue;
    }
    NSMenuItem* added = [menu addItemWithTitle:[NSString stringWithUTF8String:item.title]
                                        action:item.action
                                 keyEquivalent:[NSString stringWithUTF8String:item.key]];
    [added setTag:item.tag];
  }
  return menu;
}

void addSubmenu(NSMenu* bar, NSMenu* submenu) {
  NSMenuItem* item = [bar addItemWithTitle:[submenu title] action:nullptr keyEquivalent:@""];
  [bar setSubmenu:submenu forItem:item];
}

}  // namespace

NSMenu* scheduleMenu() {
  return menuOf(@"Schedule", scheduleItems());
}

NSString* scheduleMenuTitle(SEL action, NSInteger tag) {
  for (const MenuItem& item : scheduleItems())
    if (item.title != nullptr && sel_isEqual(item.action, action) && item.tag == tag)
      return [NSString stringWithUTF8String:item.title];
  return nil;
}

void installMainMenu() {
  NSString* name = [[NSProcessInfo processInfo] processName];
  NSMenu* bar = KESTRUNE_AUTORELEASE([[NSMenu alloc] initWithTitle:name]);
  addSubmenu(bar, menuOf(name, {{"Quit", @selector(terminate:), 0, "q"}}));
  addSubmenu(bar, menuOf(@"Edit", editItems()));
  addSubmenu(bar, scheduleMenu());
  [NSApp setMainMenu:bar];
}
