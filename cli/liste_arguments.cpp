#include "cli/liste_arguments.h"

#include <charconv>
#include <optional>

namespace velnorit::cli {

namespace {

struct Parameter {
    std::string_view name;
    int minimum;
    int maximum;
};

constexpr Parameter kParameters[] = {{"WURZEL", 0, 99}, {"ABS", 0, 99}, {"NENNER", 1, 99}};

std::string rangeText(const Parameter& parameter) {
    return "ganze Zahl von " + std::to_string(parameter.minimum) + " bis " + std::to_string(parameter.maximum);
}

ListeRequest failure(std::string message) {
    ListeRequest request;
    request.kind = ListeRequest::Kind::Error;
    request.errorMessage = "velnorit-liste: " + std::move(message);
    return request;
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

} // namespace

ListeRequest readArguments(const std::vector<std::string_view>& arguments) {
    for (const std::string_view argument : arguments)
        if (argument == "--help" || argument == "-h") return ListeRequest{ListeRequest::Kind::Help, {}, {}};

    constexpr std::size_t kParameterCount = std::size(kParameters);
    if (arguments.size() < kParameterCount) {
        const Parameter& missing = kParameters[arguments.size()];
        return failure("Es fehlt das Argument " + std::string(missing.name) + " (" + rangeText(missing) + ").");
    }
    if (arguments.size() > kParameterCount + 1)
        return failure("Überzähliges Argument »" + std::string(arguments[kParameterCount + 1]) +
                       "«; erwartet werden WURZEL, ABS, NENNER und wahlweise das Vorzeichen (+ oder -).");

    int values[kParameterCount] = {};
    for (std::size_t i = 0; i < kParameterCount; ++i) {
        const Parameter& parameter = kParameters[i];
        const std::optional<int> value = wholeNumber(arguments[i]);
        if (!value || *value < parameter.minimum || *value > parameter.maximum)
            return failure(std::string(parameter.name) + " muss eine " + rangeText(parameter) + " sein, nicht »" +
                           std::string(arguments[i]) + "«.");
        values[i] = *value;
    }

    bool minus = false;
    if (arguments.size() == kParameterCount + 1) {
        const std::string_view sign = arguments[kParameterCount];
        if (sign != "+" && sign != "-")
            return failure("Das Vorzeichen muss + oder - sein, nicht »" + std::string(sign) + "«.");
        minus = sign == "-";
    }

    ListeRequest request;
    request.kind = ListeRequest::Kind::List;
    request.controls.plusSelected = !minus;
    request.controls.minusSelected = minus;
    request.controls.wurzel = static_cast<Integer>(values[0]);
    request.controls.abs = static_cast<Integer>(values[1]);
    request.controls.nenner = static_cast<Integer>(values[2]);
    return request;
}

std::string helpText() {
    return std::string(kUsage) +
           "\n"
           "\n"
           "Schreibt die Liste der Rekordbrüche für die Zahl (√WURZEL ± ABS) / NENNER,\n"
           "genau wie das Listenfeld des Programms sie nach \"Graphik\" zeigt:\n"
           "für jeden Rekord Bruch, erreichte Genauigkeit 1/m und Absolutglied k der\n"
           "Pellschen Gleichung, * für eine absolute Verbesserung.\n"
           "\n"
           "  WURZEL   ganze Zahl von 0 bis 99\n"
           "  ABS      ganze Zahl von 0 bis 99\n"
           "  NENNER   ganze Zahl von 1 bis 99\n"
           "  + oder - das Vorzeichen vor ABS (ohne Angabe +)\n"
           "\n"
           "Beispiel: velnorit-liste 5 0 2 +\n";
}

} // namespace velnorit::cli
