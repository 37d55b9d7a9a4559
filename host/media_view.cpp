#include "host/media_view.h"

void lv::host::MediaView_traitCollectionDidChange(id self, SEL, id) { send<void>(self, "setNeedsLayout"_sel); }
