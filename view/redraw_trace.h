#pragma once

#include "core/result_list.h"
#include "core/window_state.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace velnorit::view {

// What the last redraw leaves besides the picture and the list text: the
// place of every record line in the list, and how many operations the
// graph's drawing held after the step of each denominator. The keyboard
// cursor and the list read the records from here; showing the redraw step
// by step shows the drawing up to one of these sizes.
//
// The sizes have their fixed array of 10001 entries, allocated once.
class RedrawTrace {
public:
    RedrawTrace();

    // A redraw starts its scan with a drawing of this size.
    void begin(std::size_t drawingSize);
    void stepDone(int n, std::size_t drawingSize);
    void setRecordPlaces(const std::vector<RecordPlace>& places);

    // The drawing's size after the step of denominator n (0: before the
    // first step); after the last step done for a larger n (a redraw that
    // ended early).
    std::size_t drawingSizeAfter(int n) const;
    const std::vector<RecordPlace>& recordPlaces() const { return places_; }

    std::size_t memoryBytes() const;

private:
    std::unique_ptr<std::array<std::uint32_t, kNumeratorSlots>> sizes_;
    int lastStep_ = 0;
    std::vector<RecordPlace> places_;
};

} // namespace velnorit::view
