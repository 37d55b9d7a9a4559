#ifndef LV_SDK_UIKIT_UISTACKVIEW_H
#define LV_SDK_UIKIT_UISTACKVIEW_H
#include <UIKit/NSLayoutConstraint.h>

NS_ENUM(NSInteger, UIStackViewDistribution){
    UIStackViewDistributionFill = 0,
    UIStackViewDistributionFillEqually,
    UIStackViewDistributionFillProportionally,
    UIStackViewDistributionEqualSpacing,
    UIStackViewDistributionEqualCentering,
};

NS_ENUM(NSInteger, UIStackViewAlignment){
    UIStackViewAlignmentFill,
    UIStackViewAlignmentLeading,
    UIStackViewAlignmentTop = UIStackViewAlignmentLeading,
    UIStackViewAlignmentFirstBaseline,
    UIStackViewAlignmentCenter,
    UIStackViewAlignmentTrailing,
    UIStackViewAlignmentBottom = UIStackViewAlignmentTrailing,
    UIStackViewAlignmentLastBaseline,
};

#endif
