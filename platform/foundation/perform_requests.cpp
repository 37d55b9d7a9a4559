#include "foundation/perform_requests.h"

#include <map>
#include <unordered_map>
#include <vector>

#include "foundation/perform.h"
#include "foundation/run_loop.h"
#include "runtime/class_setup.h"

namespace fnd {

namespace {

struct Request {
  Ref<> target;
  Ref<> object;
  RunLoop::TimerId timer = 0;
};

// Selectors in the order they were registered, not by address, so that a target's
// requests are let go in the same order on every run.
struct SelectorOrder {
  bool operator()(SEL a, SEL b) const { return a->index < b->index; }
};

// Pending requests by target, then by selector, so that scheduling, running and
// cancelling cost a hash lookup plus a logarithm of the target's own requests.
using TargetRequests = std::multimap<SEL, Request, SelectorOrder>;

std::unordered_map<id, TargetRequests>& pending() {
  static auto* table = new std::unordered_map<id, TargetRequests>;  // lives for the process
  return *table;
}

void forget(id target, TargetRequests& requests, TargetRequests::iterator at) {
  requests.erase(at);
  if (requests.empty()) pending().erase(target);
}

void run(id target, TargetRequests::iterator at) {
  auto& requests = pending().find(target)->second;
  SEL sel = at->first;
  Request request = std::move(at->second);
  forget(target, requests, at);
  rt::DeliveryMark mark(rt::TraceKind::Delayed, sel);
  perform(target, sel, request.object.get());
}

void performAfterDelay(id self, SEL, SEL sel, id object, double delay) {
  if (!sel) rt::fatal("-[NSObject performSelector:withObject:afterDelay:]: the selector is null");
  auto& requests = pending()[self];
  auto at = requests.emplace(sel, Request{Ref<>::retain(self), Ref<>::retain(object)});
  at->second.timer = RunLoop::main().schedule(delay, [self, at] { run(self, at); });
}

id performWithObject(id self, SEL, SEL sel, id object) { return perform(self, sel, object); }
id performWithoutObject(id self, SEL, SEL sel) { return perform(self, sel, nil); }

bool sameObject(id a, id b) { return a == b || (a && b && send<bool>(a, "isEqual:"_sel, b)); }

void cancelAll(id, SEL, id target) {
  auto node = pending().extract(target);
  if (node.empty()) return;
  for (auto& [sel, request] : node.mapped()) RunLoop::main().cancel(request.timer);
  // `node` releases the targets and objects last: a dealloc may come back here.
}

void cancelMatching(id, SEL, id target, SEL sel, id object) {
  auto found = pending().find(target);
  if (found == pending().end()) return;
  TargetRequests& requests = found->second;
  std::vector<Request> cancelled;
  auto [from, to] = requests.equal_range(sel);
  while (from != to) {
    if (!sameObject(from->second.object.get(), object)) {
      ++from;
      continue;
    }
    RunLoop::main().cancel(from->second.timer);
    cancelled.push_back(std::move(from->second));
    from = requests.erase(from);
  }
  if (requests.empty()) pending().erase(found);
}

void registerPerformRequests() {
  Class root = rt::rootClass();
  rt::addMethod(root, "performSelector:"_sel, performWithoutObject);
  rt::addMethod(root, "performSelector:withObject:"_sel, performWithObject);
  rt::addMethod(root, "performSelector:withObject:afterDelay:"_sel, performAfterDelay);
  rt::addClassMethod(root, "cancelPreviousPerformRequestsWithTarget:"_sel, cancelAll);
  rt::addClassMethod(root, "cancelPreviousPerformRequestsWithTarget:selector:object:"_sel,
                     cancelMatching);
}

LV_CLASS_SETUP(registerPerformRequests);

}  // namespace

size_t pendingPerformRequests() {
  size_t count = 0;
  for (const auto& [target, requests] : pending()) count += requests.size();
  return count;
}

}  // namespace fnd
