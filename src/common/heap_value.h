#pragma once
// A record member kept on the heap: a large record that its holder copies
// and assigns like any member, while the holder itself stays small
// (the program's records are members of test fixtures and windows).
#include <memory>

namespace common {

template <class T>
class HeapValue {
 public:
  HeapValue() : value_(std::make_unique<T>()) {}
  HeapValue(const HeapValue& other) : value_(std::make_unique<T>(*other.value_)) {}
  HeapValue& operator=(const HeapValue& other) {
    *value_ = *other.value_;
    return *this;
  }
  HeapValue& operator=(const T& value) {
    *value_ = value;
    return *this;
  }
  ~HeapValue() = default;

  T& operator*() { return *value_; }
  const T& operator*() const { return *value_; }
  T* operator->() { return value_.get(); }
  const T* operator->() const { return value_.get(); }

 private:
  std::unique_ptr<T> value_;
};

}  // namespace common
