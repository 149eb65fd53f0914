// Runs a function when the scope it guards ends, however it ends.
#pragma once

#include <utility>

namespace parabel::ui {

template <typename Function>
class ScopeExit {
  public:
    explicit ScopeExit(Function function) : function_(std::move(function)) {}
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    ~ScopeExit() { function_(); }

  private:
    Function function_;
};

}  // namespace parabel::ui
