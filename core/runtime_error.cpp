#include "core/runtime_error.h"

namespace velnorit {

RuntimeError::RuntimeError(int number, const std::string& message)
    : std::runtime_error(message), number_(number) {}

RuntimeError RuntimeError::invalidProcedureCall() {
    return {5, "Ungültiger Prozeduraufruf oder ungültiges Argument"};
}

RuntimeError RuntimeError::overflow() { return {6, "Überlauf"}; }

RuntimeError RuntimeError::subscriptOutOfRange() {
    return {9, "Index außerhalb des gültigen Bereichs"};
}

RuntimeError RuntimeError::divisionByZero() { return {11, "Division durch Null"}; }

} // namespace velnorit
