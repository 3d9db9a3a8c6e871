// The application's one controller: it owns the settings record, shows it in the window's
// combo boxes and schedule table, keeps the clock running, writes the file on OK and asks
// before unsaved changes are thrown away.
#import <Cocoa/Cocoa.h>

#include "card_row.h"
#include "objc_memory.h"
#include "usr_setting.h"

@interface AppDelegate : NSObject <NSApplicationDelegate, NSWindowDelegate> {
  KESTRUNE_WEAK_IVAR NSComboBox* com1;
  KESTRUNE_WEAK_IVAR NSComboBox* com2;
  KESTRUNE_WEAK_IVAR NSComboBox* com3;
  KESTRUNE_WEAK_IVAR NSComboBox* com4;
  KESTRUNE_WEAK_IVAR NSComboBox* com5;
  KESTRUNE_WEAK_IVAR NSComboBox* com6;
  KESTRUNE_WEAK_IVAR NSComboBox* com7;
  KESTRUNE_WEAK_IVAR NSComboBox* com8;
  KESTRUNE_WEAK_IVAR NSComboBox* com9;
  KESTRUNE_WEAK_IVAR NSComboBox* com10;
  KESTRUNE_WEAK_IVAR NSComboBox* com11;
  KESTRUNE_WEAK_IVAR NSTextField* timeLab;
  KESTRUNE_WEAK_IVAR NSTableView* mtableView;
  NSString* savePath;
  KESTRUNE_WEAK_IVAR NSWindow* window;
  // The line under the table: the week in words, or for a few seconds why an edit was refused.
  KESTRUNE_WEAK_IVAR NSTextField* weekLine;
  // The card row: where OK writes besides the desktop, and Load from Card.
  KESTRUNE_WEAK_IVAR NSPopUpButton* cardPopUp;
  KESTRUNE_WEAK_IVAR NSButton* loadFromCardButton;
  // The two lines that say where the file goes.
  KESTRUNE_WEAK_IVAR NSTextField* hint1;
  KESTRUNE_WEAK_IVAR NSTextField* hint2;

  // The record, held by value for the whole run; all zero until it is loaded.
  _USR_SETTING_ currSetting;
  // The combo box of each setting slot, in slot order.
  NSMutableArray* comArrs;
  // The schedule cell letters, indexed by mode.
  NSMutableArray* weakArrs;
  NSTimer* rTimer;
  // Formats the clock's text; made at the first tick.
  NSDateFormatter* clockFormatter;
  // What the user is told once the application has started, or nil: the settings file could
  // not be read, or no path to it could be formed.
  NSString* startNoticeTitle;
  NSString* startNotice;
  // The record as the window first showed it, with the combo boxes' choices as shown: what
  // "unsaved changes" are measured against.
  _USR_SETTING_ shownAtStart;
  // When the note on the week line gives way to the week again; nil while the week is shown.
  NSDate* noteShownUntil;
  // Set once the user has chosen to end (OK saved, Cancel, a confirmed discard): nothing more
  // is asked on the way out.
  BOOL leaving;
  // Made at start and kept for the whole run (C++ members of an Objective-C object are not
  // constructed by every compiler): the cards present, and the desktop file as it was read.
  CardRow* cardRow;
  FileSeen* desktopSeen;
  // Clock ticks since the mount table was last looked at, where it is looked at.
  int ticksSinceCardLook;
}

@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com1;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com2;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com3;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com4;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com5;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com6;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com7;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com8;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com9;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com10;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSComboBox* com11;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSTextField* timeLab;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSTableView* mtableView;
@property(retain, nonatomic) NSString* savePath;
@property(KESTRUNE_WEAK) IBOutlet NSWindow* window;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSTextField* weekLine;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSPopUpButton* cardPopUp;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSButton* loadFromCardButton;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSTextField* hint1;
@property(KESTRUNE_WEAK, nonatomic) IBOutlet NSTextField* hint2;

- (void)applicationDidFinishLaunching:(NSNotification*)notification;
- (void)applicationWillTerminate:(NSNotification*)notification;
- (void)awakeFromNib;
- (void)initData;
- (void)readSetting;
- (void)noteAtStart:(NSString*)title detail:(NSString*)detail;
- (void)fillDefault;
- (void)fillSeting;
// Shows a record's choices in the combo boxes.
- (void)showChoicesOf:(const _USR_SETTING_&)record;
- (void)showAlert:(NSString*)message detail:(NSString*)detail;
- (BOOL)ask:(NSString*)question detail:(NSString*)detail confirm:(NSString*)confirmTitle;
- (NSString*)saveSetting;
- (void)OnTimer:(NSTimer*)timer;
- (IBAction)okBtnClick:(id)sender;
- (IBAction)cancelBtnClick:(id)sender;
- (BOOL)applicationShouldTerminateAfterLastWindowClosed:(NSApplication*)sender;
- (NSApplicationTerminateReply)applicationShouldTerminate:(NSApplication*)sender;
- (BOOL)windowShouldClose:(id)sender;

- (NSInteger)numberOfRowsInTableView:(NSTableView*)tableView;
- (id)tableView:(NSTableView*)tableView
    objectValueForTableColumn:(NSTableColumn*)tableColumn
                          row:(NSInteger)row;
- (void)tableView:(NSTableView*)tableView
    setObjectValue:(id)value
    forTableColumn:(NSTableColumn*)tableColumn
               row:(NSInteger)row;
- (NSString*)getWeakDes:(int)index;
- (int)getWeakValue:(NSString*)value;

@end
