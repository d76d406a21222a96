#include "shell/command_line.h"

#include "core/version.h"

namespace velnorit::shell {

namespace {

CommandLineRequest refused(const std::string& why) {
    return {CommandLineRequest::Kind::Refused, "velnorit: " + why + " (velnorit --help zeigt die möglichen Aufrufe)\n", {}};
}

} // namespace

CommandLineRequest readCommandLine(int argc, const char* const* argv) {
    if (argc <= 1) return {};
    const std::string first = argv[1];
    if (argc == 2 && first == "--help") return {CommandLineRequest::Kind::Help, {}, {}};
    if (argc == 2 && first == "--version") return {CommandLineRequest::Kind::Version, {}, {}};
    int fileIndex = 1;
    if (first == "--") ++fileIndex;
    else if (first.starts_with('-')) return refused("unbekanntes Argument \u201e" + first + "\u201c");
    if (fileIndex >= argc) return refused("nach \u201e--\u201c fehlt die Datei");
    if (argc > fileIndex + 1)
        return refused("unbekanntes Argument \u201e" + std::string(argv[fileIndex + 1]) +
                       "\u201c, es kann nur eine Datei geöffnet werden");
    if (argv[fileIndex][0] == '\0') return refused("der Dateiname ist leer");
    return {CommandLineRequest::Kind::OpenWindow, {}, argv[fileIndex]};
}

std::string helpText() {
    return "Aufruf: velnorit [--help | --version | [--] DATEI]\n"
           "\n"
           "Rationale Velnorit zeigt im Mathematikunterricht, wie gut Brüche eine\n"
           "quadratische Irrationalität (√Wurzel ± Abs) / Nenner annähern. Das Programm\n"
           "öffnet ein Fenster, das den Bildschirm füllt; alles Weitere geschieht dort.\n"
           "\n"
           "  DATEI      öffnet das Tafelbild DATEI (*.velnorit) beim Start\n"
           "  --help     zeigt diese Hilfe\n"
           "  --version  zeigt die Version\n"
           "\n"
           "Solange die Tafel ungespeicherte Änderungen hat, hält das Programm eine\n"
           "Sicherungskopie in $XDG_STATE_HOME/velnorit (sonst ~/.local/state/velnorit)\n"
           "und bietet sie nach einem Absturz beim nächsten Start wieder an.\n";
}

std::string versionText() { return std::string("velnorit ") + kProgramVersion + "\n"; }

std::string noDisplayMessage() {
    return "velnorit: Das Programm braucht eine grafische Sitzung, es wurde aber keine Anzeige gefunden.\n";
}

} // namespace velnorit::shell
