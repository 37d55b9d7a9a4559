#include <gtest/gtest.h>

#include "runtime/runtime.h"

namespace {

struct Holder : objc_object {
  Ref<> label;
  double factor = 0.5;
};

TEST(Ivars, StrongReferenceFieldsReadAsId) {
  Class cls = rt::defineClass<Holder>("IvarHolder", rt::rootClass());
  rt::addIvar(cls, "_label", &Holder::label);
  rt::addIvar(cls, "_factor", &Holder::factor);
  Ref<> holder = rt::create(cls);
  Ref<> label = rt::create(rt::rootClass());
  static_cast<Holder*>(holder.get())->label = label;

  id read = nil;
  ASSERT_TRUE(rt::readIvar(holder, "_label", read));
  EXPECT_EQ(read, label.get());
  EXPECT_EQ(label->refcount, 2u) << "a read does not retain";
  Ref<> wrong;
  EXPECT_FALSE(rt::readIvar(holder, "_label", wrong)) << "an object ivar reads only as id";
  double factor = 0;
  EXPECT_TRUE(rt::readIvar(holder, "_factor", factor));
  EXPECT_EQ(factor, 0.5);
}

}  // namespace
