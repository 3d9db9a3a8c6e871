#import "AppDelegate+CardRow.h"

#include <string>

#import "AppDelegate+ScheduleChanges.h"

namespace {

NSString* stringOf(const std::string& text) {
  return [NSString stringWithUTF8String:text.c_str()];
}

}  // namespace

@implementation AppDelegate (CardRow)

- (void)startFollowingCards {
  cardRow = new CardRow();
  cardRow->follow(removableVolumes());
  [self showCardRow];
  NSNotificationCenter* workspace = [[NSWorkspace sharedWorkspace] notificationCenter];
  [workspace addObserver:self
                selector:@selector(volumesChanged:)
                    name:NSWorkspaceDidMountNotification
                  object:nil];
  [workspace addObserver:self
                selector:@selector(volumesChanged:)
                    name:NSWorkspaceDidUnmountNotification
                  object:nil];
}

// Called at every look at the mount table: the row follows cards as they come and go.
- (void)followCards {
  if (cardRow->follow(removableVolumes())) [self showCardRow];
}

// Called by the workspace when a volume is mounted or unmounted, where the system says so.
- (void)volumesChanged:(NSNotification*)notification {
  [self followCards];
}

- (void)showCardRow {
  [cardPopUp removeAllItems];
  for (const std::string& title : cardRow->itemTitles())
    [cardPopUp addItemWithTitle:stringOf(title)];
  [cardPopUp selectItemAtIndex:static_cast<NSInteger>(cardRow->pickedItem())];
  [self showCardPick];
}

// Shows what the pick means: where OK writes, and whether there is anything to load.
- (void)showCardPick {
  const Card* card = cardRow->pickedCard();
  [loadFromCardButton setEnabled:card != nullptr && card->file == CardFile::Ours];
  [hint1 setStringValue:stringOf(cardRow->saveHint())];
  [hint2 setStringValue:stringOf(cardRow->cardHint())];
}

- (IBAction)cardPicked:(id)sender {
  const NSInteger item = [cardPopUp indexOfSelectedItem];
  cardRow->pick(item < 0 ? 0 : static_cast<std::size_t>(item));
  [self showCardPick];
}

// Shows the card's settings in the window, read anew: its choices in the combo boxes and its
// week in the table, as one change that Undo takes back.
- (IBAction)loadFromCardBtnClick:(id)sender {
  const Card* card = cardRow->reloadPickedCard();
  [self showCardRow];
  if (card == nullptr || card->file != CardFile::Ours) {
    [self showAlert:@"Nothing was loaded"
             detail:@"The card holds no settings file that this program wrote."];
    return;
  }
  [self showChoicesOf:card->record];
  [self changeSchedule:card->record.schduce_procce_ir actionName:@"Load from Card"];
}

@end
