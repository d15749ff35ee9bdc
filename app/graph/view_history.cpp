#include "graph/view_history.h"

#include <algorithm>

namespace kovu3 {

void ViewHistory::Start(const GraphView& initial) {
    views_[1] = initial;
    current_ = highest_ = 1;
}

bool ViewHistory::Push(const GraphView& view) {
    bool dropped = false;
    if (current_ == kSlots) {
        std::move(views_.begin() + 2, views_.end(), views_.begin() + 1);
        --current_;
        dropped = true;
    }
    ++current_;
    highest_ = std::max(highest_, current_);
    views_[static_cast<size_t>(current_)] = view;
    return dropped;
}

bool ViewHistory::Back() {
    if (!CanGoBack()) return false;
    --current_;
    return true;
}

bool ViewHistory::Forward() {
    if (!CanGoForward()) return false;
    ++current_;
    return true;
}

void ViewHistory::Initial() {
    current_ = highest_ = std::min(highest_, 1);
}

}  // namespace kovu3
