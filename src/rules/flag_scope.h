#pragma once
// Sets a flag for the length of a scope and puts back what it held, even
// when the scope is left by an exception.

namespace zunpa {

class FlagScope {
 public:
  explicit FlagScope(bool& flag, bool value = true) : flag_(flag), was_(flag) { flag_ = value; }
  ~FlagScope() { flag_ = was_; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace zunpa
