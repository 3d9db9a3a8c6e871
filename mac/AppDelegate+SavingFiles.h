// The delegate's side of OK's writes: each file's lock, the question before a file that changed
// on disk is replaced, and the card's copy of the record.
#import "AppDelegate.h"

#include <optional>
#include <string>

#include "settings_lock.h"

@interface AppDelegate (SavingFiles)
- (BOOL)takeLock:(std::optional<RecordCodec::SettingsLock>&)lock
          ofFile:(const std::string&)path
            seen:(FileSeen&)seen
           where:(NSString*)where;
// Asks whether the file that changed on disk may be replaced.
- (BOOL)mayReplaceFileOn:(NSString*)where;
- (NSString*)saveToCard:(const Card&)card;
@end
