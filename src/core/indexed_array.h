#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>

// A fixed array addressed by the index range the program's tables use (SpinLog(1..5000),
// Hit_Count(0..37)); an index outside the range is a programming fault and stops at once.
template <class T, int First, int Last>
class IndexedArray {
 public:
  static_assert(Last >= First);
  static constexpr int first = First;
  static constexpr int last = Last;
  static constexpr int size = Last - First + 1;

  T& operator()(int i) { return items_[offset(i)]; }
  const T& operator()(int i) const { return items_[offset(i)]; }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  void fill(const T& v) { items_.fill(v); }

 private:
  static std::size_t offset(int i) {
    if (i < First || i > Last) {
      std::fprintf(stderr, "index %d outside %d..%d\n", i, First, Last);
      std::abort();
    }
    return static_cast<std::size_t>(i - First);
  }
  std::array<T, Last - First + 1> items_{};
};
