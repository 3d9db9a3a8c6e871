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

// A new item like one made by initWithTitle:action:keyEquivalent:, copied from one made once.
// GNUstep's initialiser looks its state images up by name, and searches the image folders
// anew for one its theme lacks: millions of instructions an item, most of the menus' cost.
NSMenuItem* newItem(bool separator) {
  static NSMenuItem* const plain = [[NSMenuItem alloc] initWithTitle:@""
                                                              action:nullptr
                                                       keyEquivalent:@""];
  static NSMenuItem* const line = KESTRUNE_KEEP([NSMenuItem separatorItem]);
  return KESTRUNE_AUTORELEASE([(separator ? line : plain) copy]);
}

NSMenuItem* newItem(NSString* title, SEL action, NSString* key) {
  NSMenuItem* item = newItem(false);
  // The key first: a key the user has set for the title replaces it, as in the initialiser.
  [item setKeyEquivalent:key];
  [item setTitle:title];
  [item setAction:action];
  return item;
}

NSMenu* menuOf(NSString* title, const std::vector<MenuItem>& items) {
  NSMenu* menu = KESTRUNE_AUTORELEASE([[NSMenu alloc] initWithTitle:title]);
  for (const MenuItem& item : items) {
    if (item.title == nullptr) {
      [menu addItem:newItem(true)];
      continue;
    }
    NSMenuItem* added = newItem([NSString stringWithUTF8String:item.title], item.action,
                                [NSString stringWithUTF8String:item.key]);
    [added setTag:item.tag];
    [menu addItem:added];
  }
  return menu;
}

void addSubmenu(NSMenu* bar, NSMenu* submenu) {
  NSMenuItem* item = newItem([submenu title], nullptr, @"");
  [bar addItem:item];
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
