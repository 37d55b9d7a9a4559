#ifndef LV_SDK_FOUNDATION_NSUSERDEFAULTS_H
#define LV_SDK_FOUNDATION_NSUSERDEFAULTS_H
/* A tweak's stored settings, for C callers through objc_msgSend: an NSUserDefaults made
 * with -initWithSuiteName: (or an HBPreferences with -initWithIdentifier:) answers
 * -objectForKey: (id), -boolForKey: (BOOL), -integerForKey: (NSInteger), -doubleForKey:
 * (double) and -stringForKey: (id); -registerDefaults: takes a dictionary. HBPreferences
 * also writes a key's value into a caller's variable: -registerBool:default:forKey:
 * (BOOL *, BOOL), -registerInteger:default:forKey: (NSInteger *, NSInteger) and
 * -registerDouble:default:forKey: (double *, double). */
#include <objc/NSObjCRuntime.h>
#include <objc/objc.h>

#endif
