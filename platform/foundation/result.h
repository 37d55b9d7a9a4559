#pragma once
// What a call that can fail gives back: its value, or the error that prevented it.
// Result<void, E> is for a call that yields nothing. Either is true on success and cannot be
// dropped unseen. Asking a failed result for its value, or a successful one for its error,
// is a broken contract: a fatal error that names the error.
//
//   fnd::Result<void, fnd::WriteError> written = fnd::writeFileAtomically(path, bytes);
//   if (!written) return fail(written.error().message());
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "runtime/diagnostics.h"

namespace fnd {

namespace detail {

// An error describes itself with message(), or is its own description.
template <class E>
std::string describe(const E& error) {
  if constexpr (std::is_convertible_v<const E&, std::string_view>)
    return std::string(std::string_view(error));
  else
    return error.message();
}

[[noreturn]] inline void valueOfFailure(const std::string& description) {
  rt::fatal("the value of a failed result: " + description);
}

[[noreturn]] inline void errorOfSuccess() { rt::fatal("the error of a successful result"); }

}  // namespace detail

template <class T, class E>
class [[nodiscard]] Result {
 public:
  Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
  Result(E error) : state_(std::in_place_index<1>, std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  explicit operator bool() const { return ok(); }

  T& value() {
    requireValue();
    return *std::get_if<0>(&state_);
  }
  const T& value() const {
    requireValue();
    return *std::get_if<0>(&state_);
  }
  const E& error() const {
    if (ok()) detail::errorOfSuccess();
    return *std::get_if<1>(&state_);
  }

 private:
  void requireValue() const {
    if (!ok()) detail::valueOfFailure(detail::describe(*std::get_if<1>(&state_)));
  }

  std::variant<T, E> state_;
};

template <class E>
class [[nodiscard]] Result<void, E> {
 public:
  Result() = default;  // success
  Result(E error) : error_(std::move(error)) {}

  bool ok() const { return !error_; }
  explicit operator bool() const { return ok(); }

  const E& error() const {
    if (ok()) detail::errorOfSuccess();
    return *error_;
  }

 private:
  std::optional<E> error_;
};

}  // namespace fnd
