#include "cli/standard_output.h"

#include <cerrno>
#include <cstdio>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace velnorit::cli {

namespace {

// How standard output was open before the program wrote to it: a write to a
// closed one and to one open for reading only (1</dev/null) fail alike.
enum class OutputState { Writable, ReadOnly, Closed };

OutputState outputState() {
    const int flags = fcntl(STDOUT_FILENO, F_GETFL);
    if (flags == -1) return OutputState::Closed;
    return (flags & O_ACCMODE) == O_RDONLY ? OutputState::ReadOnly : OutputState::Writable;
}

std::string reason(int error, OutputState state) {
    switch (error) {
    case ENOSPC: return "kein Platz mehr auf dem Gerät";
    case EBADF:
        return state == OutputState::ReadOnly ? "die Standardausgabe lässt sich nicht beschreiben"
                                              : "die Standardausgabe ist geschlossen";
    case EIO: return "Ein-/Ausgabefehler";
    case EDQUOT: return "Speicherkontingent erschöpft";
    case EFBIG: return "Datei zu groß";
    case 0: return "unbekannter Fehler";
    default: return "Fehler Nummer " + std::to_string(error);
    }
}

} // namespace

int writeStandardOutput(std::string_view text) {
    const OutputState state = outputState();
    int error = 0;
    errno = 0;
    bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (!written) error = errno;
    if (written && std::fflush(stdout) != 0) {
        written = false;
        error = errno;
    }
    // Closing can still fail (the last buffer, a file system that reports late).
    if (std::fclose(stdout) != 0 && written) {
        written = false;
        error = errno;
    }
    if (written) return 0;
    if (error != EPIPE)
        std::fprintf(stderr, "velnorit-liste: Die Ausgabe ließ sich nicht schreiben: %s.\n", reason(error, state).c_str());
    return 1;
}

} // namespace velnorit::cli
