// The event type of every component: a handler that stays alive through its own call.
//
// A handler may free the object whose event is running (a click that closes its
// form, a timer that frees its control, a menu item that deletes itself). The
// event member dies with that object, and a plain function object would be
// destroyed while it runs: every capture read after the free reads freed
// memory. TEvent keeps its handler in a shared block and holds a reference to
// it for the length of each call, so the handler outlives its own call even
// when its event does not.
//
// A handler that frees the control whose message raised the event (or its
// form) ends that control's code when it returns: the call is a call out
// that throws EControlFreed then (see FreeWatch.h), which unwinds the freed
// control's code to where its message entered.
//
// It is used like a function object: `OnClick = [&](TObject*) {...};`,
// `if (OnClick) OnClick(this);`, `OnClick = nullptr;`, and copying an event
// copies its handler (a copy with state of its own, as copying a function
// object does).
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

#include "classlib/FreeWatch.h"

template <typename Signature>
class TEvent;

template <typename R, typename... Args>
class TEvent<R(Args...)> {
 public:
  using Handler = std::function<R(Args...)>;

  TEvent() noexcept = default;
  TEvent(std::nullptr_t) noexcept {}  // NOLINT: an event is cleared by assigning nullptr
  template <typename F, typename = std::enable_if_t<!std::is_same<std::decay_t<F>, TEvent>::value &&
                                                    !std::is_same<std::decay_t<F>, std::nullptr_t>::value &&
                                                    std::is_constructible<Handler, F&&>::value>>
  TEvent(F&& Callable) {  // NOLINT: a lambda or function converts as it does to a function object
    Handler h(std::forward<F>(Callable));
    if (h) FHandler = std::make_shared<Handler>(std::move(h));
  }
  TEvent(const TEvent& Other) : FHandler(Other.FHandler ? std::make_shared<Handler>(*Other.FHandler) : nullptr) {}
  TEvent(TEvent&& Other) noexcept = default;
  // Assigning drops this event's hold on its old handler only: a call of the
  // old handler that is running keeps its own hold until it returns.
  TEvent& operator=(const TEvent& Other) {
    if (this != &Other) *this = TEvent(Other);
    return *this;
  }
  TEvent& operator=(TEvent&& Other) noexcept = default;
  TEvent& operator=(std::nullptr_t) noexcept {
    FHandler.reset();
    return *this;
  }

  explicit operator bool() const noexcept { return static_cast<bool>(FHandler); }

  // Calls the handler; with none, throws std::bad_function_call as a function object does.
  R operator()(Args... A) const {
    const std::shared_ptr<Handler> running = FHandler;  // outlives a free of this event
    if (!running) throw std::bad_function_call();
    const TCallOut call;
    if constexpr (std::is_void<R>::value) {
      (*running)(std::forward<Args>(A)...);
      call.Returned();
    } else {
      R result = (*running)(std::forward<Args>(A)...);
      call.Returned();
      return result;
    }
  }

  // The handler as a plain function object (empty when none), for code that keeps one.
  Handler Function() const { return FHandler ? *FHandler : Handler(); }
  // The handler's own object when it is a T (as a function object's target()),
  // so that a hook can tell whether it is still the one installed.
  template <typename T>
  const T* target() const noexcept {
    return FHandler ? FHandler->template target<T>() : nullptr;
  }

  friend bool operator==(const TEvent& E, std::nullptr_t) noexcept { return !E; }
  friend bool operator==(std::nullptr_t, const TEvent& E) noexcept { return !E; }
  friend bool operator!=(const TEvent& E, std::nullptr_t) noexcept { return static_cast<bool>(E); }
  friend bool operator!=(std::nullptr_t, const TEvent& E) noexcept { return static_cast<bool>(E); }

 private:
  std::shared_ptr<Handler> FHandler;
};
