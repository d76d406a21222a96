#pragma once

namespace velnorit::view {

// Told before and after every redraw (the blackboard's undo listens).
class RedrawListener {
public:
    virtual ~RedrawListener() = default;
    virtual void aboutToRedraw() = 0;
    virtual void redrawn() = 0;
};

} // namespace velnorit::view
