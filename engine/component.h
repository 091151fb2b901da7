#pragma once
// Owner-based lifetime, as components have it: a component created with an owner is destroyed
// by that owner (unless it was destroyed first, which takes it off the owner's list).
// Components owned by another must be created with `new`; components without owner may live
// anywhere (on the stack, in a unique_ptr, as a member).

#include <vector>

namespace bars {

class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const noexcept { return owner_; }
  const std::vector<TComponent*>& Components() const noexcept { return owned_; }

  // Copies the configuration of `source` into this object. The base class copies nothing.
  virtual void Assign(const TComponent* source);

 private:
  TComponent* owner_;
  std::vector<TComponent*> owned_;
};

}  // namespace bars
