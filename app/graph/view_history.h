#pragma once
// The views drawn in one graph window, slots 1 to 10, with the current slot and the highest
// slot filled. A new view goes into the slot after the current one (views beyond it stay
// reachable by going forward, as they were); a new view after slot 10 drops the oldest.

#include <array>

#include "graph/graph_view.h"

namespace kovu3 {

class ViewHistory final {
  public:
    static constexpr int kSlots = 10;

    // Starts again with `initial` in slot 1.
    void Start(const GraphView& initial);

    // Puts a new view after the current one and makes it current. Returns true when the
    // oldest view was dropped to make room (slots 2..10 then moved down to 1..9).
    bool Push(const GraphView& view);

    // Back and forward move the current slot within 1..highest; false when they cannot.
    bool Back();
    bool Forward();
    // Back to slot 1, forgetting the views after it.
    void Initial();

    bool CanGoBack() const { return current_ > 1; }
    bool CanGoForward() const { return current_ < highest_; }
    int current() const { return current_; }
    int highest() const { return highest_; }
    const GraphView& CurrentView() const { return views_[static_cast<size_t>(current_)]; }
    const GraphView& View(int slot) const { return views_[static_cast<size_t>(slot)]; }

  private:
    std::array<GraphView, kSlots + 1> views_{};  // slot 0 unused
    int current_ = 0;
    int highest_ = 0;
};

}  // namespace kovu3
