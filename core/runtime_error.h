#pragma once

#include <stdexcept>
#include <string>

namespace velnorit {

// The one kind of run-time error of the program. No procedure of the window
// handles it; the window reports it in a message box and ends (see the shell).
// Variables changed before the error keep their values: there is no rollback.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message);

    // The error number, as the message box shows it ("Laufzeitfehler '6':").
    int number() const noexcept { return number_; }

    // The German message alone, without the number.
    std::string message() const { return what(); }

    static RuntimeError invalidProcedureCall(); // 5: invalid floating-point operation
    static RuntimeError overflow();             // 6: 16-bit Integer, Long or Double overflow
    static RuntimeError subscriptOutOfRange();  // 9: array index outside 0..10000
    static RuntimeError divisionByZero();       // 11

private:
    int number_;
};

} // namespace velnorit
