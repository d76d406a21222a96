#pragma once

#include <QtMessageHandler>

namespace velnorit::testing {

// The offscreen platform says for every pop-up menu and message box that it
// cannot raise a window or grab the keyboard, and the font engine says for
// some fonts that it cannot shape a script with OpenType. Neither concerns
// the program; while a filter exists those notices are dropped and every
// other message goes on as before.
class PlatformNoticeFilter {
public:
    PlatformNoticeFilter();
    ~PlatformNoticeFilter();
    PlatformNoticeFilter(const PlatformNoticeFilter&) = delete;
    PlatformNoticeFilter& operator=(const PlatformNoticeFilter&) = delete;

private:
    QtMessageHandler previous_;
};

} // namespace velnorit::testing
