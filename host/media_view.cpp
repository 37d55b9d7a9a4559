#include "host/media_view.h"

void host::MediaView_traitCollectionDidChange(id self, SEL, id) { send<void>(self, "setNeedsLayout"_sel); }
