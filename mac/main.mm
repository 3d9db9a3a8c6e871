// The application starts here: AppKit loads the window's interface file, which creates the
// delegate.
#import <Cocoa/Cocoa.h>

int main(int argc, const char* argv[]) {
  return NSApplicationMain(argc, argv);
}
