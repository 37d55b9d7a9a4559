#pragma once
// View animations: UIView's class methods
//
//   animateWithDuration:animations:                                    (double, id)
//   animateWithDuration:animations:completion:                         (double, id, id)
//   animateWithDuration:delay:options:animations:completion:           (double, double,
//                                                                        unsigned long, id, id)
//   animateWithDuration:delay:usingSpringWithDamping:initialSpringVelocity:options:
//                      animations:completion:                          (double, double, double,
//                                                                        double, unsigned long,
//                                                                        id, id)
//   performWithoutAnimation:                                            (id)
//
// Blocks are block objects (foundation/block.h): the animations block is a void() block,
// the completion a void(bool) block, kept as a copy; either may be nil.
//
// Model values change at once; each changed frame, bounds, centre, alpha, transform or
// scroll view content offset gets an animation from its value on screen. The completion
// runs on the main loop once all of the block's animations have ended, with finished =
// false when one was removed first. A block with duration 0, or with nothing to animate,
// completes through the main queue with finished = true, after the caller returns.
// Blocks nested in an animating block take its duration and curve, unless the options
// override them. Of the options, repeating and autoreversing are not offered; animations
// always begin from what is on screen.
#include <UIKit/UIView.h>

#include "uikit/view.h"

namespace uikit {

// What is on screen at the run loop's current time.
CGRect presentationFrame(id view);
CGRect presentationBounds(id view);
CGPoint presentationCenter(id view);
CGAffineTransform presentationTransform(id view);
CGFloat presentationAlpha(id view);
CGPoint presentationContentOffset(id scrollView);

// Whether the view's layer has an animation that has not ended and was made without
// UIViewAnimationOptionAllowUserInteraction; touches should pass such a view by.
bool ignoresTouchesWhileAnimating(id view);

}  // namespace uikit

namespace uikit::detail {

void addAnimationMethods(Class view);

}  // namespace uikit::detail
