// A value stood in for while a scope runs: the wizards answer "Oblicz" with
// work done on a worker thread by replacing their compute hooks for one
// step, and the hooks must come back whatever that step throws.
#pragma once

#include <utility>

namespace common {

template <class T>
class Zastepstwo {
 public:
  Zastepstwo(T& cel, T zastepca) : cel_(cel), dawne_(std::exchange(cel, std::move(zastepca))) {}
  ~Zastepstwo() { cel_ = std::move(dawne_); }
  Zastepstwo(const Zastepstwo&) = delete;
  Zastepstwo& operator=(const Zastepstwo&) = delete;

 private:
  T& cel_;
  T dawne_;
};

}  // namespace common
