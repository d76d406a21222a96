#include "core/record_table.h"

#include "core/result_list.h"

namespace velnorit {

namespace {

// The Str form of a whole number given by its digits: a blank before a
// number that is not negative.
// (Appending, not operator+, which GCC 12 warns about wrongly with -Wrestrict.)
std::string strFormOfDigits(const std::string& digits) {
    if (digits[0] == '-') return digits;
    std::string text(1, ' ');
    return text.append(digits);
}

// Digits and fixed names only, so nothing needs an escape.
std::string quoted(const std::string& text) {
    std::string json(1, '"');
    return json.append(text).append(1, '"');
}

std::string sideName(Side side) { return side == Side::Lower ? "unten" : "oben"; }

std::string kindMark(FractionKind kind) { return kind == FractionKind::Convergent ? "N" : "Z"; }

std::string jsonSolution(const std::optional<PellSolution>& solution) {
    if (!solution) return "null";
    return "{\"x\":" + quoted(solution->x) + ",\"y\":" + quoted(solution->y) + "}";
}

std::string jsonContinuedFraction(const ContinuedFractionData& data) {
    std::string json = "{\"glieder\":[";
    for (std::size_t i = 0; i < data.terms.size(); ++i) json.append(i > 0 ? "," : "").append(std::to_string(data.terms[i]));
    json += "],\"periodeAb\":" + (data.periodStart ? std::to_string(*data.periodStart) : std::string("null"));
    json += ",\"naeherungsbrueche\":[";
    for (std::size_t i = 0; i < data.convergents.size(); ++i) {
        const FarConvergent& c = data.convergents[i];
        json += std::string(i > 0 ? "," : "") + "{\"zaehler\":" + quoted(c.numerator) +
                ",\"nenner\":" + quoted(c.denominator) + "}";
    }
    return json + "],\"pell\":{\"plusEins\":" + jsonSolution(data.pell.plusOne) +
           ",\"minusEins\":" + jsonSolution(data.pell.minusOne) + "}}";
}

} // namespace

std::string recordListText(const std::vector<FarRecord>& records, bool classified) {
    std::string list = resultListHeader();
    Side previous = Side::Lower;
    for (const FarRecord& r : records) {
        appendRecordLine(list, {r.side, previous, strFormOfDigits(r.numerator), strFormOfDigits(r.denominator),
                                r.accuracy.empty() ? std::string() : strFormOfDigits(r.accuracy),
                                strFormOfDigits(r.pellTerm)});
        if (r.improvement) appendImprovementStar(list);
        if (classified) list.append(1, ' ').append(kindMark(r.kind));
        previous = r.side;
    }
    return list;
}

std::string recordTableCsv(const std::vector<FarRecord>& records) {
    std::string csv = "Seite,Zähler,Nenner,m,k,Verbesserung,Art\r\n";
    for (const FarRecord& r : records)
        csv += sideName(r.side) + "," + r.numerator + "," + r.denominator + "," + r.accuracy + "," + r.pellTerm + "," +
               (r.improvement ? "*" : "") + "," + kindMark(r.kind) + "\r\n";
    return csv;
}

std::string recordTableJson(const TargetParameters& target, const DenominatorLimit& limit,
                            const std::vector<FarRecord>& records, const ContinuedFractionData* continuedFraction) {
    std::string json = "{\"ziel\":{\"wurzel\":" + std::to_string(target.wurzel) +
                       ",\"abs\":" + std::to_string(target.abs) + ",\"nenner\":" + std::to_string(target.nenner) +
                       ",\"vorzeichen\":" + std::to_string(target.sign) + "},\"bisNenner\":" + quoted(limit.digits) +
                       ",\"rekorde\":[";
    for (std::size_t i = 0; i < records.size(); ++i) {
        const FarRecord& r = records[i];
        json += std::string(i > 0 ? "," : "") + "{\"seite\":" + quoted(sideName(r.side)) +
                ",\"zaehler\":" + quoted(r.numerator) + ",\"nenner\":" + quoted(r.denominator) +
                ",\"m\":" + (r.accuracy.empty() ? std::string("null") : quoted(r.accuracy)) +
                ",\"k\":" + quoted(r.pellTerm) + ",\"verbesserung\":" + (r.improvement ? "true" : "false") +
                ",\"art\":" + quoted(kindMark(r.kind)) + "}";
    }
    json += "]";
    if (continuedFraction) json += ",\"kettenbruch\":" + jsonContinuedFraction(*continuedFraction);
    return json + "}\n";
}

} // namespace velnorit
