// The smallest AppKit application: everything it shows comes from its interface file.
#import <AppKit/AppKit.h>

int main(int argc, const char* argv[]) {
  return NSApplicationMain(argc, argv);
}
