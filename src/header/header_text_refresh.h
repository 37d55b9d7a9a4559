#pragma once
// The header text refresh: copies the captured host label view's title, then its
// subtitle, into the captured header's title and artist labels, each in a zero-length
// linear animation that starts when the previous one has completed, and finally places
// both labels without animation. The title is set before this returns; the artist and the
// placement follow on the main run loop as the animations complete. A missing header or
// label view makes the steps that need it do nothing; a missing label view empties both
// labels.
namespace lv::header {

void refreshHeaderText();

}  // namespace lv::header
