// velnorit-liste WURZEL ABS NENNER [+|-]: prints the record list that the
// window shows for these parameters.
#include "cli/liste_arguments.h"
#include "cli/record_list.h"
#include "core/result_list.h"
#include "core/runtime_error.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    using namespace velnorit::cli;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ListeRequest request = readArguments(arguments);
    switch (request.kind) {
    case ListeRequest::Kind::Help:
        std::cout << helpText();
        return 0;
    case ListeRequest::Kind::Error:
        std::cerr << request.errorMessage << '\n' << kUsage << '\n';
        return 2;
    case ListeRequest::Kind::List:
        break;
    }
    try {
        std::cout << asTerminalLines(velnorit::resultListFor(request.controls));
    } catch (const velnorit::RuntimeError& error) {
        std::cerr << "velnorit-liste: Laufzeitfehler " << error.number() << ": " << error.message() << '\n';
        return 1;
    }
    return std::cout.good() ? 0 : 1;
}
