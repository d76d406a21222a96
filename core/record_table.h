#pragma once

#include "core/far_records.h"

#include <string>
#include <vector>

// The records of a target as text for a reader: the list box's own text, or
// data for a spreadsheet or a program.
namespace velnorit {

// The list as the list box writes it: the header, then one line per record
// with CR LF between lines; with classified, " N" (Näherungsbruch) or " Z"
// (Zwischenbruch) at the end of each record line.
std::string recordListText(const std::vector<FarRecord>& records, bool classified);

// CSV after RFC 4180: the header row
//   Seite,Zähler,Nenner,m,k,Verbesserung,Art
// then one row per record, each row ending in CR LF. Seite is "unten" for a
// lower record (below the target) or "oben"; m is empty for a fraction equal
// to the target; Verbesserung is "*" for an absolute improvement, else empty;
// Art is "N" or "Z". No field needs quotes.
std::string recordTableCsv(const std::vector<FarRecord>& records);

// What the JSON form carries besides the records, with --kettenbruch.
struct ContinuedFractionData {
    std::vector<std::int64_t> terms; // a0 up to the end of the first period
    std::optional<std::size_t> periodStart; // empty for a finite expansion
    std::vector<FarConvergent> convergents;
    PellSolutions pell;
};

// One JSON object (UTF-8, one line, a final line feed):
//   {"ziel":{"wurzel":W,"abs":A,"nenner":N,"vorzeichen":1|-1|0},
//    "bisNenner":"10000",
//    "rekorde":[{"seite":"unten"|"oben","zaehler":"p","nenner":"n","m":"m"|null,
//                "k":"k","verbesserung":true|false,"art":"N"|"Z"}, ...],
//    "kettenbruch":{...}}            (only when continuedFraction is given)
// Numbers that can grow without bound are strings of decimal digits. The
// member "kettenbruch" holds "glieder" (the terms as numbers), "periodeAb"
// (index of the first term of the period, null when finite),
// "naeherungsbrueche" ([{"zaehler","nenner"}]) and "pell" with "plusEins" and
// "minusEins", each {"x","y"} or null.
std::string recordTableJson(const TargetParameters& target, const DenominatorLimit& limit,
                            const std::vector<FarRecord>& records, const ContinuedFractionData* continuedFraction);

} // namespace velnorit
