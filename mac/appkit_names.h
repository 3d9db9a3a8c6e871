// AppKit renamed its event constants in macOS 10.12 and deprecated the old names; GNUstep
// knows only the old ones. The table's code uses these instead of either.
#pragma once

#import <Cocoa/Cocoa.h>

#ifdef GNUSTEP
inline constexpr NSUInteger kDragOrMouseUpMask = NSLeftMouseDraggedMask | NSLeftMouseUpMask;
inline constexpr NSEventType kLeftMouseUp = NSLeftMouseUp;
inline constexpr NSEventType kKeyDown = NSKeyDown;
inline constexpr NSUInteger kShiftKeyFlag = NSShiftKeyMask;
inline constexpr NSUInteger kCommandKeyFlag = NSCommandKeyMask;
inline constexpr NSUInteger kShortcutKeyFlags =
    NSCommandKeyMask | NSControlKeyMask | NSAlternateKeyMask;
#else
inline constexpr NSEventMask kDragOrMouseUpMask =
    NSEventMaskLeftMouseDragged | NSEventMaskLeftMouseUp;
inline constexpr NSEventType kLeftMouseUp = NSEventTypeLeftMouseUp;
inline constexpr NSEventType kKeyDown = NSEventTypeKeyDown;
inline constexpr NSEventModifierFlags kShiftKeyFlag = NSEventModifierFlagShift;
inline constexpr NSEventModifierFlags kCommandKeyFlag = NSEventModifierFlagCommand;
inline constexpr NSEventModifierFlags kShortcutKeyFlags =
    NSEventModifierFlagCommand | NSEventModifierFlagControl | NSEventModifierFlagOption;
#endif

inline constexpr unichar kEscapeCharacter = 0x1B;
