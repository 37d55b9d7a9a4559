#pragma once
// The cover sheet's artwork background: its image view and the blurred container above
// it, reached through coverSheetView. Everything here does nothing before a cover sheet
// exists.
#include "bridge/send.h"

namespace lv::artwork {

id backgroundImageView();
id backgroundView();

// The container first, then the image view.
void setBackgroundsHidden(bool hidden);

// Half-second fades. The container spans the whole half second and the image takes the
// last 0.05 s of it: going in the container leads, going out the image leads.
void fadeInBackgrounds();
void fadeOutBackgrounds();

}  // namespace lv::artwork
