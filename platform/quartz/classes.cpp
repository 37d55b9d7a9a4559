#include "quartz/classes.h"

#include "quartz/gradient_layer.h"
#include "quartz/layer.h"
#include "quartz/transaction.h"

namespace quartz {

void registerQuartzClasses() {
  registerLayerClass();
  registerGradientLayerClass();
  registerTransactionClass();
}

}  // namespace quartz
