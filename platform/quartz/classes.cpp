#include "quartz/classes.h"

#include "quartz/animation.h"
#include "quartz/animation_engine.h"
#include "quartz/gradient_layer.h"
#include "quartz/layer.h"
#include "quartz/transaction.h"

namespace quartz {

void registerQuartzClasses() {
  registerLayerClass();
  registerGradientLayerClass();
  registerTransactionClass();
  registerAnimationClasses();
  installAnimationEngine();
}

}  // namespace quartz
