#ifndef LV_SDK_COREFOUNDATION_CFDICTIONARY_H
#define LV_SDK_COREFOUNDATION_CFDICTIONARY_H
/* A dictionary as CoreFoundation hands it out; it is an object of the runtime. */

typedef const struct __CFDictionary *CFDictionaryRef;

#endif
