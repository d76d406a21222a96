// velnorit-liste [--kettenbruch] [--bis N] [--format text|csv|json] WURZEL ABS
// NENNER [+|-]: prints the record list that the window shows for these
// parameters, or the records up to N, as text or as data.
#include "cli/liste_arguments.h"
#include "cli/record_list.h"
#include "cli/standard_output.h"
#include "core/classified_list.h"
#include "core/continued_fraction_text.h"
#include "core/far_continued_fraction_text.h"
#include "core/record_table.h"
#include "core/result_list.h"
#include "core/runtime_error.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

using velnorit::cli::ListeRequest;

// The window's list, from the scan over its 10000 denominators.
std::string windowListText(const ListeRequest& request) {
    using namespace velnorit;
    if (!request.kettenbruch) return cli::asTerminalLines(resultListFor(request.controls));
    const TargetParameters target = quadraticTargetFor(request.controls);
    std::vector<std::string> lines = continuedFractionLines(target);
    for (std::string& line : pellEquationLines(target, farRecords(target, {std::to_string(kLastDenominator)})))
        lines.push_back(std::move(line));
    return joinLines(lines, "\n") + "\n\n" + cli::asTerminalLines(classifiedResultListFor(request.controls));
}

// The records from the continued fraction, up to any denominator.
std::string farListText(const ListeRequest& request) {
    using namespace velnorit;
    const TargetParameters target = quadraticTargetFor(request.controls);
    const DenominatorLimit limit = request.limit.value_or(DenominatorLimit{std::to_string(kLastDenominator)});
    const std::vector<FarRecord> records = farRecords(target, limit);
    switch (request.format) {
    case ListeRequest::Format::Csv:
        return recordTableCsv(records);
    case ListeRequest::Format::Json: {
        if (!request.kettenbruch) return recordTableJson(target, limit, records, nullptr);
        const ContinuedFractionData data = continuedFractionData(target, limit);
        return recordTableJson(target, limit, records, &data);
    }
    case ListeRequest::Format::Text:
        break;
    }
    const std::string list = cli::asTerminalLines(recordListText(records, request.kettenbruch));
    if (!request.kettenbruch) return list;
    return joinLines(farContinuedFractionLines(target, limit, records, false), "\n") + "\n\n" + list;
}

std::string listText(const ListeRequest& request) {
    if (request.format == ListeRequest::Format::Text && !request.limit) return windowListText(request);
    return farListText(request);
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
