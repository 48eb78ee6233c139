// What the browser pages call: each program's entries and its front door,
// the very functions csp-report calls, so that a page gives the report,
// refusal or usage error csp-report gives, byte for byte.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "designcheck/design_check_entries.h"
#include "filltables/fill_table_entries.h"
#include "servicelife/service_life_entries.h"
#include "shell/entries.h"
#include "shell/outcome.h"
#include "shell/report_listing.h"
#include "shell/windows1252.h"

namespace csp::web {
namespace {

using emscripten::val;

struct WebProgram {
    std::string_view name;
    std::span<const EntrySpec> (*entries)();
    Outcome (*produce)(const Entries&, ReportListing&);
};

constexpr std::array<WebProgram, 3> programs = {{
    {"ombrel", serviceLifeEntries, produceServiceLifeReport},
    {"tabrell", fillTableEntries, produceFillTable},
    {"verrick", designcheck::designCheckEntries, designcheck::produceDesignCheckReport},
}};

const WebProgram* findProgram(const std::string& name) {
    for (const WebProgram& program : programs)
        if (program.name == name) return &program;
    return nullptr;
}

std::string_view kindName(EntryKind kind) {
    switch (kind) {
    case EntryKind::Choice: return "choice";
    case EntryKind::Position: return "position";
    case EntryKind::Typed: return "typed";
    }
    return "typed";
}

std::string_view outcomeKindName(Outcome::Kind kind) {
    switch (kind) {
    case Outcome::Kind::Success: return "success";
    case Outcome::Kind::Refused: return "refused";
    case Outcome::Kind::UsageError: return "usage";
    }
    return "usage";
}

val text(std::string_view s) { return val(std::string(s)); }

// [[name, text], ...] as the page holds its entries, by csp-report's names.
Entries entriesFrom(const val& pairs) {
    Entries entries;
    const auto count = pairs["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const val pair = pairs[i];
        entries.set(pair[0].as<std::string>(), pair[1].as<std::string>());
    }
    return entries;
}

val unknownProgram(const std::string& name) {
    val result = val::object();
    result.set("kind", text("usage"));
    result.set("message", "no program named '" + name + "'");
    result.set("entry", text(""));
    return result;
}

// The program's entries: name, kind, words, default, unit and help.
val entries(const std::string& programName) {
    const WebProgram* program = findProgram(programName);
    val result = val::array();
    if (program == nullptr) return result;
    for (const EntrySpec& spec : program->entries()) {
        val entry = val::object();
        entry.set("name", text(spec.name));
        entry.set("kind", text(kindName(spec.kind)));
        val words = val::array();
        for (std::string_view word : spec.words) words.call<void>("push", text(word));
        entry.set("words", words);
        entry.set("default", windows1252ToUtf8(spec.defaultText));
        entry.set("unit", text(spec.unit));
        entry.set("help", text(spec.help));
        result.call<void>("push", entry);
    }
    return result;
}

// The door's answer: kind, message and entry; the warnings csp-report gives
// on a value read in part; and on success the report as shown (UTF-8, a
// line a "\n") and as saved (Windows-1252, CR LF after every line).
val produce(const std::string& programName, const val& pairs) {
    const WebProgram* program = findProgram(programName);
    if (program == nullptr) return unknownProgram(programName);
    const Entries given = entriesFrom(pairs);
    ReportListing listing;
    const Outcome produced = program->produce(given, listing);

    val result = val::object();
    result.set("kind", text(outcomeKindName(produced.kind)));
    result.set("message", windows1252ToUtf8(produced.message));
    result.set("entry", produced.entry);
    val warnings = val::array();
    if (!produced.usageError()) {
        for (const PartReading& reading : partReadings(program->entries(), given)) {
            val warning = val::object();
            warning.set("entry", text(reading.entry));
            warning.set("text", reading.text);
            warning.set("readAs", reading.readAs);
            warnings.call<void>("push", warning);
        }
    }
    result.set("warnings", warnings);
    if (!produced.ok()) return result;

    std::string display, saved;
    for (const std::string& line : listing.lines()) {
        display += windows1252ToUtf8(line);
        display += '\n';
        saved += line;
        saved += "\r\n";
    }
    result.set("display", display);
    result.set("saved", val(emscripten::typed_memory_view(saved.size(),
                                                          reinterpret_cast<const unsigned char*>(saved.data())))
                            .call<val>("slice"));
    return result;
}

}  // namespace
}  // namespace csp::web

EMSCRIPTEN_BINDINGS(csp_web) {
    emscripten::function("entries", &csp::web::entries);
    emscripten::function("produce", &csp::web::produce);
}
