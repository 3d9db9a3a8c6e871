#import "AppDelegate+SavingFiles.h"

#include <chrono>

namespace {

NSString* stringOf(const std::string& text) {
  return [NSString stringWithUTF8String:text.c_str()];
}

// How long OK waits for another program's save to the same file.
constexpr std::chrono::milliseconds kLockWait{3'000};

}  // namespace

@implementation AppDelegate (SavingFiles)

// Called by OK for each file it writes: takes the file's lock, which the command line's
// writers take too, and keeps it until the save is done. A file that changed since this window
// read or listed it is replaced only when the user says so. NO (and the user told) when the
// user says no or the lock cannot be had.
- (BOOL)takeLock:(std::optional<RecordCodec::SettingsLock>&)lock
          ofFile:(const std::string&)path
            seen:(FileSeen&)seen
           where:(NSString*)where {
  for (;;) {
    lock.emplace(path, kLockWait);
    if (!*lock) {
      [self showAlert:@"The settings were not saved"
               detail:[NSString stringWithFormat:@"Kestrune.txt %@ could not be locked: %@", where,
                                                 stringOf(lock->reason())]];
      lock.reset();
      return NO;
    }
    // Only a file that can be read now, and could be read before, is worth the question: a
    // gone file loses nothing, and the user was told at the start that OK replaces a file that
    // could not be read.
    using Status = RecordCodec::FileLayer::ReadStatus;
    const FileSeen now = seeFile(path);
    if (now == seen || now.status != Status::Read || seen.status == Status::Failed) return YES;
    // Other writers go on while the user is asked; the answer is about the file as it is now.
    lock.reset();
    if (![self mayReplaceFileOn:where]) return NO;
    seen = now;
  }
}

- (BOOL)mayReplaceFileOn:(NSString*)where {
  return [self ask:[NSString stringWithFormat:@"Kestrune.txt %@ has changed since this window "
                                              @"read it.",
                                              where]
            detail:@"Replace it with the settings in this window?"
           confirm:@"Replace"];
}

// Writes the record, sealed by the desktop's save, to the card; nil once it is written.
- (NSString*)saveToCard:(const Card&)card {
  const RecordCodec::SaveResult result = RecordCodec::saveSettingsFile(
      currSetting, cardSettingsPath(card.root), RecordCodec::localStampNow());
  return result ? nil : stringOf(result.describe());
}

@end
