#pragma once
namespace quartz {
// Registers CALayer, CAGradientLayer, CATransaction and the animation classes.
void registerQuartzClasses();
}
