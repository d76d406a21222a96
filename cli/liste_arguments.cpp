#include "cli/liste_arguments.h"

#include "cli/printable_text.h"
#include "core/version.h"

#include <charconv>
#include <variant>
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

// A rejected argument is named by its start only: a message stays one line.
constexpr std::size_t kEchoedCharacters = 40;

std::string quoted(std::string_view argument) { return "»" + printableText(argument, kEchoedCharacters) + "«"; }

ListeRequest failure(std::string message) {
    ListeRequest request;
    request.kind = ListeRequest::Kind::Error;
    request.errorMessage = "velnorit-liste: " + std::move(message);
    return request;
}

ListeRequest only(ListeRequest::Kind kind) {
    ListeRequest request;
    request.kind = kind;
    return request;
}

bool isOption(std::string_view argument) {
    return argument.size() >= 2 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9');
}

// Digits with at most one leading sign.
std::optional<int> wholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return negative ? -value : value;
}

// "--bis=N" or "--bis" "N": the value of an option that takes one, taken
// from the arguments; empty when it is missing.
std::optional<std::string_view> optionValue(std::string_view name, const std::vector<std::string_view>& arguments,
                                            std::size_t& i) {
    const std::string_view argument = arguments[i];
    if (argument.size() > name.size() && argument.substr(0, name.size()) == name && argument[name.size()] == '=')
        return argument.substr(name.size() + 1);
    if (i + 1 == arguments.size()) return std::nullopt;
    return arguments[++i];
}

bool takesValue(std::string_view argument, std::string_view name) {
    return argument == name || (argument.substr(0, name.size()) == name && argument.size() > name.size() &&
                                argument[name.size()] == '=');
}

std::optional<ListeRequest::Format> formatNamed(std::string_view name) {
    if (name == "text") return ListeRequest::Format::Text;
    if (name == "csv") return ListeRequest::Format::Csv;
    if (name == "json") return ListeRequest::Format::Json;
    return std::nullopt;
}

} // namespace

ListeRequest readArguments(const std::vector<std::string_view>& arguments) {
    bool kettenbruch = false;
    bool optionsEnded = false;
    std::optional<DenominatorLimit> limit;
    ListeRequest::Format format = ListeRequest::Format::Text;
    std::vector<std::string_view> operands;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (optionsEnded || !isOption(argument)) {
            operands.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return only(ListeRequest::Kind::Help);
        } else if (argument == "--version") {
            return only(ListeRequest::Kind::Version);
        } else if (argument == "--kettenbruch") {
            kettenbruch = true;
        } else if (takesValue(argument, "--bis")) {
            const std::optional<std::string_view> value = optionValue("--bis", arguments, i);
            if (!value) return failure("Der Option --bis fehlt die Zahl N (ganze Zahl von 1 bis 10^100).");
            auto read = readDenominatorLimit(*value);
            if (const std::string* reason = std::get_if<std::string>(&read))
                return failure("--bis: " + *reason + ", nicht " + quoted(*value) + ".");
            limit = std::get<DenominatorLimit>(std::move(read));
        } else if (takesValue(argument, "--format")) {
            const std::optional<std::string_view> value = optionValue("--format", arguments, i);
            const std::optional<ListeRequest::Format> named = value ? formatNamed(*value) : std::nullopt;
            if (!named)
                return failure("--format nimmt text, csv oder json" +
                               (value ? ", nicht " + quoted(*value) : std::string()) + ".");
            format = *named;
        } else {
            return failure("Unbekannte Option: " + quoted(argument) + ".");
        }
    }

    constexpr std::size_t kParameterCount = std::size(kParameters);
    if (operands.size() < kParameterCount) {
        const Parameter& missing = kParameters[operands.size()];
        return failure("Es fehlt das Argument " + std::string(missing.name) + " (" + rangeText(missing) + ").");
    }
    if (operands.size() > kParameterCount + 1)
        return failure("Überzähliges Argument " + quoted(operands[kParameterCount + 1]) +
                       "; erwartet werden WURZEL, ABS, NENNER und wahlweise das Vorzeichen (+ oder -).");

    int values[kParameterCount] = {};
    for (std::size_t i = 0; i < kParameterCount; ++i) {
        const Parameter& parameter = kParameters[i];
        const std::optional<int> value = wholeNumber(operands[i]);
        if (!value || *value < parameter.minimum || *value > parameter.maximum)
            return failure(std::string(parameter.name) + " muss eine " + rangeText(parameter) + " sein, nicht " +
                           quoted(operands[i]) + ".");
        values[i] = *value;
    }

    bool minus = false;
    if (operands.size() == kParameterCount + 1) {
        const std::string_view sign = operands[kParameterCount];
        if (sign != "+" && sign != "-")
            return failure("Das Vorzeichen muss + oder - sein, nicht " + quoted(sign) + ".");
        minus = sign == "-";
    }

    ListeRequest request;
    request.kind = ListeRequest::Kind::List;
    request.kettenbruch = kettenbruch;
    request.limit = std::move(limit);
    request.format = format;
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
           "Die drei Zahlen dürfen ein Vorzeichen tragen (+5 ist 5, -0 ist 0).\n"
           "\n"
           "Optionen:\n"
           "  --kettenbruch  schreibt vor die Liste den Kettenbruch der Zahl mit seiner\n"
           "                 Periode und die Näherungsbrüche bis zum Nenner 10000, und\n"
           "                 kennzeichnet jede Rekordzeile am Ende mit N (Näherungsbruch)\n"
           "                 oder Z (Zwischenbruch); dazu die kleinste Lösung der\n"
           "                 Pellschen Gleichung x² - WURZEL·y² = 1 (und = -1)\n"
           "  --bis N        die Rekorde bis zum Nenner N statt 10000, N eine ganze\n"
           "                 Zahl von 1 bis 10^100 (als Ziffern geschrieben)\n"
           "  --format F     text (die Liste wie im Programm), csv (eine Zeile je\n"
           "                 Rekord: Seite, Zähler, Nenner, m, k, Verbesserung, Art)\n"
           "                 oder json\n"
           "  -h, --help     zeigt diese Hilfe\n"
           "  --version      zeigt die Versionsnummer\n"
           "  --             beendet die Optionen\n"
           "\n"
           "Rückgabewert: 0 bei Erfolg, 1 wenn die Ausgabe nicht geschrieben werden\n"
           "konnte, 2 bei einem falschen Aufruf.\n"
           "\n"
           "Beispiele:\n"
           "  velnorit-liste 5 0 2 +\n"
           "  velnorit-liste --kettenbruch 5 3 2 -\n"
           "  velnorit-liste --bis 1000000000000 61 0 1 +\n"
           "  velnorit-liste --format csv --bis 1000000 2 0 1 > rekorde.csv\n";
}

std::string versionText() { return std::string("velnorit-liste ") + kProgramVersion + "\n"; }

} // namespace velnorit::cli
