#pragma once

#include "core/runtime_error.h"

#include <QString>

#include <type_traits>
#include <utility>

namespace velnorit::shell {

// Shows the run-time error in a message box and ends the program at once,
// with exit status 1. Variables changed before the error keep their values;
// nothing runs after it.
[[noreturn]] void endWithRuntimeError(const RuntimeError& error);

// The message box text of a run-time error: "Laufzeitfehler '6':", an empty
// line, and the message.
QString runtimeErrorText(const RuntimeError& error);

// Every event handler of the window runs through here: the one place where
// a run-time error of the value rules is caught.
template <typename Handler>
void runHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const RuntimeError& error) {
        endWithRuntimeError(error);
    }
}

// A slot that runs a handler through runHandler, for connect(). The handler
// gets the signal's arguments when it takes them.
template <typename Handler>
auto guarded(Handler handler) {
    return [handler](auto&&... arguments) {
        runHandler([&] {
            if constexpr (std::is_invocable_v<const Handler&, decltype(arguments)...>)
                handler(arguments...);
            else
                handler();
        });
    };
}

} // namespace velnorit::shell
