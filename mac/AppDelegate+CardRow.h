// The delegate's card row: the camera cards present in a pop-up that follows them as they come
// and go, where OK writes besides the desktop, and Load from Card.
#import "AppDelegate.h"

@interface AppDelegate (CardRow)
// Called at start: lists the cards present and follows the workspace's mount notifications,
// where the system posts them.
- (void)startFollowingCards;
// Called at every look at the mount table.
- (void)followCards;
- (void)volumesChanged:(NSNotification*)notification;
- (void)showCardRow;
- (void)showCardPick;
- (IBAction)cardPicked:(id)sender;
- (IBAction)loadFromCardBtnClick:(id)sender;
@end
