// The Schedule menu, one list of items for the main menu and the table's context menu, and the
// main menu that holds it beside the application's and the Edit menu.
#pragma once

#import <Cocoa/Cocoa.h>

// A new Schedule menu; its items act on the first responder, the schedule table.
NSMenu* scheduleMenu();
// The title of the Schedule menu's item with this action and tag.
NSString* scheduleMenuTitle(SEL action, NSInteger tag);
// Makes the application's main menu.
void installMainMenu();
