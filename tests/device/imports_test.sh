#!/usr/bin/env bash
# The phone's library loads exactly the libraries below and imports from each only the
# symbols listed beside it: each from the library that provides it on the phone. Cephei is
# loaded weakly and for its classes alone.
# Usage: imports_test.sh BUILD
set -euo pipefail
. "$(dirname "$0")/artefacts.sh" "$1"

# name as llvm-nm prints it | install name | symbols
allowed=(
  "libSystem|/usr/lib/libSystem.B.dylib|__Block_copy __NSConcreteStackBlock __dispatch_main_q _abort _memcpy
     _strlen _toupper ___stack_chk_fail ___stack_chk_guard dyld_stub_binder"
  "libc++|/usr/lib/libc++.1.dylib|__Znwm __ZdlPv ___cxa_guard_acquire ___cxa_guard_release
     __ZNSt3__112basic_stringIcNS_11char_traitsIcEENS_9allocatorIcEEE6appendEPKcm"
  "libobjc|/usr/lib/libobjc.A.dylib|_objc_getClass _objc_msgSend _objc_msgSendSuper2 _sel_registerName
     _object_getClass _class_addIvar _class_addMethod _class_addProperty _class_getInstanceVariable
     _class_respondsToSelector _ivar_getOffset _ivar_getTypeEncoding _objc_allocateClassPair
     _objc_registerClassPair _objc_retain _objc_release _objc_autorelease _objc_autoreleasePoolPush
     _objc_autoreleasePoolPop _objc_getAssociatedObject _objc_setAssociatedObject"
  "UIKit|/System/Library/Frameworks/UIKit.framework/UIKit|_UIFontWeightMedium _UIFontWeightRegular
     _UIApplicationDidBecomeActiveNotification _UIApplicationWillEnterForegroundNotification"
  "CoreGraphics|/System/Library/Frameworks/CoreGraphics.framework/CoreGraphics|_CGAffineTransformIdentity
     _CGAffineTransformScale _CGRectContainsPoint _CGRectGetMidX _CGRectGetMidY _CGRectGetMinY"
  "MediaRemote|/System/Library/PrivateFrameworks/MediaRemote.framework/MediaRemote|_MRMediaRemoteGetNowPlayingInfo"
  "CydiaSubstrate|@rpath/CydiaSubstrate.framework/CydiaSubstrate|_MSHookMessageEx"
  "Cephei|@rpath/Cephei.framework/Cephei (weak)|"
)
failures=0
fail() { echo "$library: $*"; failures=$((failures + 1)); }

expected_libraries=$(for row in "${allowed[@]}"; do rest=${row#*|}; echo "${rest%%|*}"; done | sort)
loaded=$($objdump --macho --dylibs-used "$library" | tail -n +3 |
         sed -E 's/^\s+//; s/ \(compatibility version [^,]*, current version [^,)]*(, (weak))?\)$/ (\2)/; s/ \(\)$//' | sort)
[ "$loaded" = "$expected_libraries" ] || fail "loads $(tr '\n' ';' <<<"$loaded") instead of $(tr '\n' ';' <<<"$expected_libraries")"

declare -A allowed_from
for row in "${allowed[@]}"; do
  for symbol in ${row##*|}; do allowed_from[$symbol]=${row%%|*}; done
done
imports=0
while read -r symbol from; do
  imports=$((imports + 1))
  [ "${allowed_from[$symbol]:-}" = "$from" ] ||
    fail "imports $symbol from $from; allowed: ${allowed_from[$symbol]:-from no library}"
done < <($nm -m --undefined-only "$library" | sed -nE 's/.* external ([^ ]+) \(from ([^)]+)\)$/\1 \2/p')

[ "$failures" -eq 0 ] || exit 1
echo "$library: $imports imports, each from the library the phone provides it in"
