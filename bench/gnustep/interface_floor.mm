// The floor under the application's start-up: Kestrune.app's own interface file and its main
// menu, loaded with a delegate that only makes that menu, shows the window and gives the table no
// rows, and the classes the file names standing in for ours, adding nothing. What Kestrune.app
// costs beyond this is what its own code adds to the fixed design.
#import <AppKit/AppKit.h>

#import "schedule_menu.h"

// The schedule table's class, adding nothing to the table it names.
@interface ScheduleTableView : NSTableView
@end

@implementation ScheduleTableView
@end

// Named as the interface file names the application's delegate, so that the file makes one.
@interface AppDelegate : NSObject {
  NSWindow* window;
}
@end

@implementation AppDelegate

// The menus are part of what the application shows, made as the application makes them.
- (void)awakeFromNib {
  installMainMenu();
}

// Called once the interface file is loaded: the window is hidden until now, as in Kestrune.app.
- (void)applicationDidFinishLaunching:(NSNotification*)notification {
  [window makeKeyAndOrderFront:self];
}

// A table's data source must answer these two.
- (NSInteger)numberOfRowsInTableView:(NSTableView*)tableView {
  return 0;
}

- (id)tableView:(NSTableView*)tableView
    objectValueForTableColumn:(NSTableColumn*)tableColumn
                          row:(NSInteger)row {
  return nil;
}

@end

int main(int argc, const char* argv[]) {
  return NSApplicationMain(argc, argv);
}
