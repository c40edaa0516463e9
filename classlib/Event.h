// The event type of every component: a handler that stays alive through its own call.
//
// A handler may free the object whose event is running (a click that closes its
// form, a timer that frees its control, a menu item that deletes itself) or set
// the event anew. A plain function object would be destroyed while it runs:
// every capture read after that reads freed memory. TEvent keeps its handler
// in a block of its own, and a block let go while a library scope is open on
// the GUI thread waits for the release (DeleteHandler). On another thread,
// where scopes do nothing, the call counts itself in the block instead.
//
// A call is library code on the stack: it opens a library scope that holds
// the sender (a TObject* first argument), so that a handler that frees the
// sender, its form or anything else only tears it down, and the memory waits
// (DeferredFree.h). An event whose sender is torn down is not raised: the
// call does nothing and answers a value-initialised result. Events raised
// while the object is being torn down (OnDestroy) still run.
//
// The count is plain: one event is called on one thread.
//
// It is used like a function object: `OnClick = [&](TObject*) {...};`,
// `if (OnClick) OnClick(this);`, `OnClick = nullptr;`, and copying an event
// copies its handler (a copy with state of its own, as copying a function
// object does).
#pragma once

#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "classlib/DeferredFree.h"
#include "classlib/Object.h"

template <typename Signature>
class TEvent;

// A call in which the first arguments go in registers where the target's
// convention passes them all on the stack (i686), for calls that are made
// only through pointers of their own type.
#if defined(__GNUC__) && defined(__i386__)
#define SKINGUI_REGISTER_CALL __attribute__((regparm(3)))
#else
#define SKINGUI_REGISTER_CALL
#endif

namespace event_detail {
// The sender of a call whose first argument is A (a TObject*), or null.
template <typename A>
const TObject* SenderOf(const A& First) {
  if constexpr (std::is_convertible<A, const TObject*>::value) {
    return First;
  } else {
    return nullptr;
  }
}
template <typename... A>
const TObject* Sender(const A&... Arguments) {
  if constexpr (sizeof...(A) == 0) {
    return nullptr;
  } else {
    return SenderOf(std::get<0>(std::tie(Arguments...)));
  }
}
// Whether a callable is one that may be empty (a null pointer, an empty function object).
template <typename F>
struct MayBeEmpty : std::integral_constant<bool, std::is_pointer<F>::value || std::is_member_pointer<F>::value> {};
template <typename S>
struct MayBeEmpty<std::function<S>> : std::true_type {};
// How a call's argument of type T reaches the handler: a scalar as it is, a
// class by reference.
template <typename T>
using Passed = std::conditional_t<std::is_scalar<T>::value, T, T&&>;
}  // namespace event_detail

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
    using Kept = std::decay_t<F>;
    if constexpr (event_detail::MayBeEmpty<Kept>::value && !std::is_function<std::remove_reference_t<F>>::value) {
      if (!Callable) return;
    }
    FBlock = new Holding<Kept>(std::forward<F>(Callable));
  }
  TEvent(const TEvent& Other) : FBlock(Other.FBlock ? Other.FBlock->Of->Copy(Other.FBlock) : nullptr) {}
  TEvent(TEvent&& Other) noexcept : FBlock(Other.FBlock) { Other.FBlock = nullptr; }
  ~TEvent() { Drop(FBlock); }
  // Assigning drops this event's hold on its old handler only: a call of the
  // old handler that is running keeps its own hold until it returns.
  TEvent& operator=(const TEvent& Other) {
    if (this != &Other) *this = TEvent(Other);
    return *this;
  }
  TEvent& operator=(TEvent&& Other) noexcept {
    if (this != &Other) {
      Block* old = FBlock;
      FBlock = Other.FBlock;
      Other.FBlock = nullptr;
      Drop(old);
    }
    return *this;
  }
  TEvent& operator=(std::nullptr_t) noexcept {
    Block* old = FBlock;
    FBlock = nullptr;
    Drop(old);
    return *this;
  }

  explicit operator bool() const noexcept { return FBlock != nullptr; }

  // Calls the handler; with none, throws std::bad_function_call as a function object does.
  R operator()(Args... A) const {
    Block* running = FBlock;
    if (SKINGUI_RARELY(!running)) throw std::bad_function_call();
    const TObject* sender = event_detail::Sender(A...);
    if (sender && SKINGUI_RARELY(sender->TornDown())) return R();
    if (SKINGUI_RARELY(!deferred_free_detail::ScopesRecordHere())) return CallHeld(running, std::forward<Args>(A)...);
    const TGuiThreadScope scope(sender);
    return running->Invoke(running, std::forward<Args>(A)...);
  }

  // The handler as a plain function object (empty when none), for code that keeps one.
  Handler Function() const { return FBlock ? FBlock->Of->Function(FBlock) : Handler(); }
  // The handler's own object when it is a T (as a function object's target()),
  // so that a hook can tell whether it is still the one installed.
  template <typename T>
  const T* target() const noexcept {
    if (!FBlock) return nullptr;
    if (FBlock->Of->Type() == typeid(T)) return &static_cast<const Holding<T>*>(FBlock)->Callable;
    const Handler* kept = FBlock->Of->Kept(FBlock);
    return kept ? kept->template target<T>() : nullptr;
  }

  friend bool operator==(const TEvent& E, std::nullptr_t) noexcept { return !E; }
  friend bool operator==(std::nullptr_t, const TEvent& E) noexcept { return !E; }
  friend bool operator!=(const TEvent& E, std::nullptr_t) noexcept { return static_cast<bool>(E); }
  friend bool operator!=(std::nullptr_t, const TEvent& E) noexcept { return static_cast<bool>(E); }

 private:
  // The handler's block: its call is one indirect call of the block's own
  // Invoke, with no check of an empty function object (a block is never
  // made empty), scalars passed as they are and the first arguments in
  // registers. What else it does (copy, delete, hand out as a function
  // object, name its type) goes through Of.
  struct Block;
  struct Kind {
    const std::type_info& (*Type)();  // a function: some compilers give typeid no constant value
    Block* (*Copy)(const Block*);
    Handler (*Function)(const Block*);
    const Handler* (*Kept)(const Block*);  // a handler given as a function object: that object
    void (*Delete)(void*);
  };
  struct Block {
    R(SKINGUI_REGISTER_CALL* Invoke)(Block*, event_detail::Passed<Args>...);
    const Kind* Of;
    int Holds;
  };
  template <typename F>
  struct Holding : Block {
    template <typename G>
    explicit Holding(G&& Callable) : Block{&Call, &kKind, 1}, Callable(std::forward<G>(Callable)) {}
    SKINGUI_REGISTER_CALL static R Call(Block* B, event_detail::Passed<Args>... A) {
      if constexpr (std::is_void<R>::value)
        std::invoke(static_cast<Holding*>(B)->Callable, std::forward<Args>(A)...);
      else
        return std::invoke(static_cast<Holding*>(B)->Callable, std::forward<Args>(A)...);
    }
    static constexpr Kind kKind{
        []() -> const std::type_info& { return typeid(F); },
        [](const Block* B) -> Block* { return new Holding(static_cast<const Holding*>(B)->Callable); },
        [](const Block* B) { return Handler(static_cast<const Holding*>(B)->Callable); },
        [](const Block* B) -> const Handler* {
          if constexpr (std::is_same<F, Handler>::value)
            return &static_cast<const Holding*>(B)->Callable;
          else
            return nullptr;
        },
        [](void* B) { delete static_cast<Holding*>(static_cast<Block*>(B)); }};
    F Callable;
  };
  struct Hold {
    explicit Hold(Block* B) noexcept : Running(B) { ++B->Holds; }
    ~Hold() { Drop(Running); }
    Block* Running;
  };
  // A call on another thread, where no scope holds the handler: the call
  // counts itself in the block instead. Out of line: it is the rare path.
  [[gnu::noinline]] static R CallHeld(Block* Running, Args... A) {
    const Hold hold(Running);  // outlives a free of this event
    return Running->Invoke(Running, std::forward<Args>(A)...);
  }
  static void Drop(Block* B) noexcept {
    if (B && --B->Holds == 0) Delete(B);
  }
  // Out of line: the handler's destruction inlined into every call keeps
  // registers busy around it.
  [[gnu::noinline]] static void Delete(Block* B) noexcept { DeleteHandler(B, B->Of->Delete); }

  Block* FBlock = nullptr;
};
