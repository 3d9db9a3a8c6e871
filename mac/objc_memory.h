// Where Apple's toolchain builds with automatic reference counting and gcc's runtime does not:
// outlets are weak under ARC and plain assigned references otherwise, and objects the
// delegate keeps are retained by hand only without ARC.
#pragma once

#if defined(__clang__) && defined(__has_feature)
#if __has_feature(objc_arc)
#define KESTRUNE_ARC 1
#endif
#endif

#ifdef KESTRUNE_ARC
#define KESTRUNE_WEAK weak
#define KESTRUNE_WEAK_IVAR __weak
#define KESTRUNE_KEEP(object) (object)
#define KESTRUNE_RELEASE(object) ((void)0)
#define KESTRUNE_AUTORELEASE(object) (object)
#else
#define KESTRUNE_WEAK assign
#define KESTRUNE_WEAK_IVAR
#define KESTRUNE_KEEP(object) [(object) retain]
#define KESTRUNE_RELEASE(object) [(object) release]
#define KESTRUNE_AUTORELEASE(object) [(object) autorelease]
#endif
