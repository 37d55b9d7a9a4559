#pragma once
// The object runtime: one include for code that sends messages and defines classes.
#include "runtime/class.h"
#include "runtime/message.h"
#include "runtime/object.h"
#include "runtime/selector.h"
#include "runtime/types.h"
