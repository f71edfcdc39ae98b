#pragma once

#include <memory>

// State that a feature above this layer keeps in App. App names the type without knowing
// it; the feature, which does, makes the state on first use.
template <class T>
class FeatureState {
 public:
  T& get() {
    if (!state_) state_ = {new T(), [](T* t) { delete t; }};
    return *state_;
  }
  // Nothing until the feature first used it.
  const T* peek() const { return state_.get(); }

 private:
  std::unique_ptr<T, void (*)(T*)> state_{nullptr, nullptr};
};
