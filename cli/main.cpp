// velnorit-liste [--kettenbruch] WURZEL ABS NENNER [+|-]: prints the record
// list that the window shows for these parameters.
#include "cli/liste_arguments.h"
#include "cli/record_list.h"
#include "cli/standard_output.h"
#include "core/classified_list.h"
#include "core/continued_fraction_text.h"
#include "core/result_list.h"
#include "core/runtime_error.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string listText(const velnorit::cli::ListeRequest& request) {
    using namespace velnorit;
    if (!request.kettenbruch) return cli::asTerminalLines(resultListFor(request.controls));
    return joinLines(continuedFractionLines(quadraticTargetFor(request.controls)), "\n") + "\n\n" +
           cli::asTerminalLines(classifiedResultListFor(request.controls));
}

} // namespace

int main(int argc, char** argv) {
    using namespace velnorit::cli;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const ListeRequest request = readArguments(arguments);
    switch (request.kind) {
    case ListeRequest::Kind::Help:
        return writeStandardOutput(helpText());
    case ListeRequest::Kind::Version:
        return writeStandardOutput(versionText());
    case ListeRequest::Kind::Error:
        std::fprintf(stderr, "%s\n%s\n", request.errorMessage.c_str(), std::string(kUsage).c_str());
        return 2;
    case ListeRequest::Kind::List:
        break;
    }
    std::string text;
    try {
        text = listText(request);
    } catch (const velnorit::RuntimeError& error) {
        std::fprintf(stderr, "velnorit-liste: Laufzeitfehler %d: %s\n", error.number(),
                     error.message().c_str());
        return 1;
    }
    return writeStandardOutput(text);
}
