#pragma once
// How the lock screen of a device with a passcode answers an unlock request: a banner
// naming the app being opened (when one was launched since the last request) slides down
// to the top, and the passcode prompt slides up from the bottom. Both lie over the lock
// screen and take no touches. Unanswered, they slide away once kSeconds have passed since
// the latest request; a request while they show keeps them and starts that time again.
//
// Main thread only; owned by the lock screen, whose window must outlive it.
#include <memory>

#include "runtime/runtime.h"

namespace lv::host {

class UnlockPrompt {
 public:
  static constexpr double kSeconds = 2, kSlideSeconds = 0.3;

  explicit UnlockPrompt(id window);
  ~UnlockPrompt();
  UnlockPrompt(const UnlockPrompt&) = delete;
  UnlockPrompt& operator=(const UnlockPrompt&) = delete;

  void answerUnlockRequest();

  struct State;

 private:
  std::shared_ptr<State> state_;  // shared with the animations and the timer that outlive a call
};

void registerSBBannerView();
void registerSBUIPasscodeLockView();

}  // namespace lv::host
