#pragma once
// Internal helpers over the Firebird object API, shared by the db layer only.
#include "db/DbError.h"

#include <firebird/Interface.h>
#include <memory>

namespace fb {

Firebird::IMaster* master();
Firebird::IUtil* util();

// Turns a failed status into the layer's error, with the server's text.
[[noreturn]] void raise(Firebird::IStatus* status);

// The embedded engine holds a file for one process: the error then says what
// to do about it.
DbError explainEmbeddedLock(const DbError& e);

// A throwing status wrapper that disposes of its status when it goes away.
class Status {
 public:
  Status();
  ~Status();
  Firebird::ThrowStatusWrapper* operator&() { return &wrapper_; }
  Firebird::ThrowStatusWrapper& get() { return wrapper_; }

 private:
  Firebird::IStatus* status_;
  Firebird::ThrowStatusWrapper wrapper_;
};

// Runs one Firebird call sequence, turning the API's exception into DbError.
template <class F>
auto call(F&& f) -> decltype(f(std::declval<Firebird::ThrowStatusWrapper*>())) {
  Status st;
  try {
    return f(&st);
  } catch (const Firebird::FbException& e) {
    raise(e.getStatus());
  }
}

// Owner of an IXpbBuilder (a disposable, not a reference-counted interface).
struct XpbDisposer {
  void operator()(Firebird::IXpbBuilder* p) const { p->dispose(); }
};
using Xpb = std::unique_ptr<Firebird::IXpbBuilder, XpbDisposer>;

// Owner of one interface pointer. commit(), rollback(), detach(), free() and
// close() release the interface when they succeed: finish() clears the pointer
// then, and calls release() only when the call failed.
template <class T>
class Ref {
 public:
  Ref() = default;
  explicit Ref(T* p) : p_(p) {}
  ~Ref() { reset(); }
  Ref(const Ref&) = delete;
  Ref& operator=(const Ref&) = delete;
  Ref(Ref&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
  Ref& operator=(Ref&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = o.p_;
      o.p_ = nullptr;
    }
    return *this;
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  void reset(T* p = nullptr) {
    if (p_) p_->release();
    p_ = p;
  }
  template <class F>
  void finish(F&& f) {
    T* p = p_;
    p_ = nullptr;
    if (!p) return;
    try {
      call([&](Firebird::ThrowStatusWrapper* st) { f(p, st); });
    } catch (...) {
      p->release();
      throw;
    }
  }

 private:
  T* p_ = nullptr;
};

}  // namespace fb
