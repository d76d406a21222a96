#include "shell/command_line.h"

#include "core/version.h"

namespace velnorit::shell {

CommandLineRequest readCommandLine(int argc, const char* const* argv) {
    if (argc <= 1) return {};
    const std::string first = argv[1];
    if (argc == 2 && first == "--help") return {CommandLineRequest::Kind::Help, {}};
    if (argc == 2 && first == "--version") return {CommandLineRequest::Kind::Version, {}};
    return {CommandLineRequest::Kind::Refused,
            "velnorit: unbekanntes Argument \u201e" + first + "\u201c (velnorit --help zeigt die möglichen Aufrufe)\n"};
}

std::string helpText() {
    return "Aufruf: velnorit [--help | --version]\n"
           "\n"
           "Rationale Velnorit zeigt im Mathematikunterricht, wie gut Brüche eine\n"
           "quadratische Irrationalität (√Wurzel ± Abs) / Nenner annähern. Das Programm\n"
           "öffnet ein Fenster, das den Bildschirm füllt; alles Weitere geschieht dort.\n"
           "\n"
           "  --help     zeigt diese Hilfe\n"
           "  --version  zeigt die Version\n";
}

std::string versionText() { return std::string("velnorit ") + kProgramVersion + "\n"; }

std::string noDisplayMessage() {
    return "velnorit: Das Programm braucht eine grafische Sitzung, es wurde aber keine Anzeige gefunden.\n";
}

} // namespace velnorit::shell
