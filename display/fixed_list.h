// A list of int32 values with a length that changes but a capacity that does not.
//
// Every list of the display state is reassigned whole, at lengths of at most eight
// elements; holding the elements inline keeps the per-frame work free of the heap.
#ifndef RUVA_DISPLAY_FIXED_LIST_H_
#define RUVA_DISPLAY_FIXED_LIST_H_

#include <cassert>
#include <cstddef>
#include <cstdint>

class FixedList {
 public:
  static constexpr std::size_t kCapacity = 8;

  constexpr FixedList() = default;
  // A list of `count` elements that all hold `value`.
  constexpr FixedList(std::size_t count, int32_t value) { assign(count, value); }

  // Replaces the whole list by `count` copies of `value`; `count` must not exceed the capacity.
  constexpr void assign(std::size_t count, int32_t value) {
    assert(count <= kCapacity);
    size_ = count <= kCapacity ? static_cast<uint8_t>(count) : static_cast<uint8_t>(kCapacity);
    for (std::size_t i = 0; i < size_; ++i) items_[i] = value;
  }

  std::size_t size() const { return size_; }

  // Element access within the current length; an index beyond it is a programming error.
  constexpr int32_t& operator[](std::size_t i) {
    assert(i < size_);
    return items_[i];
  }
  constexpr const int32_t& operator[](std::size_t i) const {
    assert(i < size_);
    return items_[i];
  }

  const int32_t* begin() const { return items_; }
  const int32_t* end() const { return items_ + size_; }

  friend bool operator==(const FixedList& a, const FixedList& b) {
    if (a.size_ != b.size_) return false;
    for (std::size_t i = 0; i < a.size_; ++i) {
      if (a.items_[i] != b.items_[i]) return false;
    }
    return true;
  }

 private:
  int32_t items_[kCapacity] = {};
  uint8_t size_ = 0;
};

#endif  // RUVA_DISPLAY_FIXED_LIST_H_
