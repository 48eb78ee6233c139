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

#include "shell/calculation_sheet.h"
#include "shell/entries.h"
#include "shell/listing_file.h"
#include "shell/mnemonics.h"
#include "shell/outcome.h"
#include "shell/report_listing.h"
#include "shell/windows1252.h"
#include "shell/page_model.h"
#include "shell/program_pages.h"
#include "web/module_program.h"

namespace csp::web {
namespace {

using emscripten::val;

using namespace csp::pages;

// The module's program, when it is the one named.
const ProgramDescription* findProgram(const std::string& name) {
    return moduleProgram().name == name ? &moduleProgram() : nullptr;
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
    const ProgramDescription* program = findProgram(programName);
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

// Bytes as a Uint8Array of their own.
val bytesOf(const std::string& bytes) {
    return val(emscripten::typed_memory_view(bytes.size(), reinterpret_cast<const unsigned char*>(bytes.data())))
        .call<val>("slice");
}

// The door's answer: kind, message and entry; the warnings csp-report gives
// on a value read in part; and on success the report as shown (UTF-8, a
// line a "\n") and as saved (Windows-1252, CR LF after every line).
val produce(const std::string& programName, const val& pairs) {
    const ProgramDescription* program = findProgram(programName);
    if (program == nullptr) return unknownProgram(programName);
    const Entries given = entriesFrom(pairs);
    ReportListing listing;
    const Outcome produced = program->produce(given, listing, nullptr);

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

    std::string display;
    for (const std::string& line : listing.lines()) {
        display += windows1252ToUtf8(line);
        display += '\n';
    }
    const std::string saved = savedBytes(listing);
    result.set("display", display);
    result.set("saved", bytesOf(saved));
    return result;
}

std::string_view controlKindName(Control::Kind kind) {
    switch (kind) {
    case Control::Kind::List: return "list";
    case Control::Kind::Field: return "field";
    case Control::Kind::Shown: return "shown";
    case Control::Kind::Radio: return "radio";
    case Control::Kind::Note: return "note";
    case Control::Kind::Button: return "button";
    }
    return "note";
}

template <class Texts>
val textArray(const Texts& texts) {
    val array = val::array();
    for (const auto& t : texts) array.call<void>("push", val(std::string(t)));
    return array;
}

val messageValue(const MessageBox& box) {
    val message = val::object();
    message.set("title", box.title);
    val rows = val::array();
    for (const auto& [label, row] : box.rows) rows.call<void>("push", textArray(std::array{label, row}));
    message.set("rows", rows);
    message.set("focus", box.focus);
    return message;
}

val pairsValue(const std::vector<std::pair<std::string, std::string>>& pairs) {
    val array = val::array();
    for (const auto& [name, value] : pairs) array.call<void>("push", textArray(std::array{name, value}));
    return array;
}

std::vector<std::pair<std::string, std::string>> pairsFrom(const val& pairs) {
    std::vector<std::pair<std::string, std::string>> result;
    const auto count = pairs["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i)
        result.emplace_back(pairs[i][0].as<std::string>(), pairs[i][1].as<std::string>());
    return result;
}

// The letters the one mnemonic rule gives buttons of these texts, in order
// ("" for none): for the views the page model does not describe.
val buttonMnemonics(const val& texts) {
    std::vector<std::string> held;
    const auto count = texts["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) held.push_back(texts[i].as<std::string>());
    std::vector<MnemonicText> offered;
    for (const std::string& t : held) offered.push_back({t, false});
    val letters = val::array();
    for (char letter : chooseMnemonics(offered)) letters.call<void>("push", std::string(letter ? 1 : 0, letter));
    return letters;
}

// The job block's fields as the Results view asks for them: key, label
// and room in characters.
val jobFieldList() {
    val fields = val::array();
    for (const JobField& field : jobFields) {
        val entry = val::object();
        entry.set("key", text(field.key));
        entry.set("label", text(field.label));
        entry.set("width", static_cast<int>(field.width));
        fields.call<void>("push", entry);
    }
    return fields;
}

// The job block as the page keeps it ({project: ..., ...}, UTF-8); a field
// it lacks, or holds as anything but text, is empty.
JobBlock jobFrom(const val& kept) {
    JobBlock job;
    if (kept.isNull() || kept.isUndefined()) return job;
    for (const JobField& field : jobFields) {
        const val typed = kept[std::string(field.key)];
        if (typed.isString()) job.*field.text = utf8ToWindows1252(typed.as<std::string>());
    }
    return job;
}

// One program's pages for the page in the browser, which draws what
// page() describes and hands back each change and button press.
class WebPages {
public:
    explicit WebPages(const std::string& program)
        : known_(findProgram(program) != nullptr), session_(moduleProgram()) {}

    bool known() const { return known_; }
    std::string title() const { return session_.title(); }
    int depth() const { return session_.depth(); }
    bool showingResults() const { return session_.showingResults(); }

    val page() const {
        const Page shown = session_.page();
        val page = val::object();
        page.set("id", shown.id);
        page.set("title", shown.title);
        page.set("defaultButton", shown.defaultButton);
        page.set("escapeButton", shown.escapeButton);
        page.set("focus", shown.focus);
        page.set("twoColumns", shown.twoColumns);
        page.set("notice", shown.notice);
        page.set("liveResults", shown.liveResults);
        val controls = val::array();
        for (const Control& c : shown.controls) {
            val control = val::object();
            control.set("id", c.id);
            control.set("kind", text(controlKindName(c.kind)));
            control.set("label", c.label);
            control.set("unit", c.unit);
            control.set("items", textArray(c.items));
            control.set("selected", c.selected);
            control.set("text", c.text);
            control.set("disabled", c.disabled);
            control.set("column", c.column);
            control.set("help", c.help);
            control.set("mnemonic", std::string(c.mnemonic ? 1 : 0, c.mnemonic));
            val items = val::array();
            for (char letter : c.itemMnemonics) items.call<void>("push", std::string(letter ? 1 : 0, letter));
            control.set("itemMnemonics", items);
            controls.call<void>("push", control);
        }
        page.set("controls", controls);
        val buttons = val::array();
        for (const Button& b : shown.buttons)
            buttons.call<void>("push", textArray(std::array{b.id, b.text, std::string(b.mnemonic ? 1 : 0, b.mnemonic)}));
        page.set("buttons", buttons);
        return page;
    }

    val results() const {
        const Results& made = session_.results();
        val results = val::object();
        results.set("display", made.display);
        results.set("saved", bytesOf(made.saved));
        results.set("picture", made.picture);
        results.set("savedPicture", bytesOf(made.savedPicture));
        results.set("fileName", made.fileName);
        results.set("commandLine", made.commandLine);
        results.set("pageBreakLine", made.pageBreakLine);
        results.set("escapeButton", made.escapeButton);
        // The Results window's own texts.
        results.set("title", text(resultsTitle));
        results.set("okText", text(resultsOkText));
        results.set("saveAsText", text(resultsSaveAsText));
        results.set("printText", text(resultsPrintText));
        return results;
    }

    // The printed pages of the Results: each with its lines (UTF-8), where
    // the picture stands on it, if it does, its footer and the footer's line.
    val sheet(const val& job, int year, int month, int day, int linesPerPage, double widthInLines) const {
        const Results& made = session_.results();
        const SheetHeading heading{jobFrom(job), programTexts(moduleProgram().id).versionLine, {year, month, day}};
        const std::optional<std::size_t> pageBreak =
            made.pageBreakLine >= 0 ? std::optional(static_cast<std::size_t>(made.pageBreakLine)) : std::nullopt;
        val pages = val::array();
        for (const SheetPage& laid : layOutCalculationSheet(&made.listing, pageBreak, heading,
                                                            {linesPerPage, widthInLines}, made.picture)) {
            val page = val::object();
            val lines = val::array();
            for (const std::string& line : laid.lines) lines.call<void>("push", windows1252ToUtf8(line));
            page.set("lines", lines);
            if (laid.picture) {
                val picture = val::object();
                picture.set("firstLine", laid.picture->firstLine);
                picture.set("lines", laid.picture->lines);
                page.set("picture", picture);
            } else {
                page.set("picture", val::null());
            }
            page.set("footer", windows1252ToUtf8(laid.footer));
            page.set("footerLine", laid.footerLine);
            pages.call<void>("push", page);
        }
        return pages;
    }

    void change(const std::string& control, const std::string& value) { session_.change(control, value); }

    // "page", "results", "end", or a message box to show.
    val press(const std::string& button) {
        if (const auto details = session_.details(button)) {
            val answer = messageValue(*details);
            answer.set("kind", text("details"));
            return answer;
        }
        const Answer answer = session_.press(button);
        switch (answer.kind) {
        case Answer::Kind::Page: return text("page");
        case Answer::Kind::Results: return text("results");
        case Answer::Kind::End: return text("end");
        case Answer::Kind::Message: break;
        }
        val message = messageValue(answer.message);
        message.set("kind", text("message"));
        return message;
    }

    void back() { session_.back(); }
    val load(const val& pairs) { return textArray(session_.load(pairsFrom(pairs))); }
    val linkEntries() const { return pairsValue(session_.linkEntries()); }
    val about() const { return messageValue(session_.about()); }

private:
    bool known_;
    PageSession session_;
};

}  // namespace
}  // namespace csp::web

EMSCRIPTEN_BINDINGS(csp_web) {
    using csp::web::WebPages;
    emscripten::function("entries", &csp::web::entries);
    emscripten::function("produce", &csp::web::produce);
    emscripten::function("mnemonics", &csp::web::buttonMnemonics);
    emscripten::function("jobFields", &csp::web::jobFieldList);
    emscripten::constant("sheetWidth", static_cast<int>(csp::sheetWidth));
    emscripten::class_<WebPages>("Pages")
        .constructor<std::string>()
        .function("known", &WebPages::known)
        .function("title", &WebPages::title)
        .function("depth", &WebPages::depth)
        .function("showingResults", &WebPages::showingResults)
        .function("page", &WebPages::page)
        .function("results", &WebPages::results)
        .function("sheet", &WebPages::sheet)
        .function("change", &WebPages::change)
        .function("press", &WebPages::press)
        .function("back", &WebPages::back)
        .function("load", &WebPages::load)
        .function("linkEntries", &WebPages::linkEntries)
        .function("about", &WebPages::about);
}
