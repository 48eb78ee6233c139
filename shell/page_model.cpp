#include "shell/page_model.h"

#include <algorithm>

#include "shell/mnemonics.h"
#include "shell/typed_number.h"
#include "shell/program_pages.h"

namespace csp::pages {

int positionIn(std::string_view text) {
    int position = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || position > 100000) return -1;
        position = position * 10 + (c - '0');
    }
    return text.empty() ? -1 : position;
}

std::string shellWord(const std::string& value) {
    const bool plain = !value.empty() && std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("._-+,:=/@%").find(c) != std::string_view::npos;
    });
    if (plain) return value;
    std::string quoted = "'";
    for (char c : value) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string namePart(std::string_view text) {
    std::string part;
    for (char c : text) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.';
        if (kept)
            part += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        else if (!part.empty() && part.back() != '-')
            part += '-';
    }
    while (!part.empty() && (part.back() == '-' || part.back() == '.')) part.pop_back();
    return part;
}

std::string numberPart(std::string_view typed) { return namePart(typedNumberPart(typed)); }

MessageBox refusal(std::string_view caption, const Outcome& outcome) {
    return {std::string(caption), {{"", utf8(outcome.message)}}, outcome.entry};
}

const Control* Page::control(std::string_view id) const {
    for (const Control& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

Page makePage(std::string id, std::string_view title) {
    Page page;
    page.id = std::move(id);
    page.title = std::string(title);
    return page;
}

Control makeControl(std::string id, Control::Kind kind, std::string_view label, std::string text) {
    Control control;
    control.id = std::move(id);
    control.kind = kind;
    control.label = std::string(label);
    control.text = std::move(text);
    return control;
}

Control list(std::string id, std::string_view label, std::vector<std::string> items, int selected) {
    Control control = makeControl(std::move(id), Control::Kind::List, label);
    control.items = std::move(items);
    control.selected = control.items.empty() ? -1 : std::clamp(selected, 0, static_cast<int>(control.items.size()) - 1);
    return control;
}


Control field(std::string id, std::string_view label, std::string text, std::string_view unit) {
    Control control = makeControl(std::move(id), Control::Kind::Field, label, std::move(text));
    control.unit = std::string(unit);
    return control;
}

Control note(std::string id, std::string_view text) {
    return makeControl(std::move(id), Control::Kind::Note, {}, utf8(text));
}

std::vector<std::string> ProgramPages::load(const std::vector<std::pair<std::string, std::string>>& given) {
    std::vector<std::string> leftOut;
    Entries usable;
    for (const auto& [name, text] : given) {
        // A link's names are read as csp-report reads its options.
        const EntrySpec* found = findEntryByWord(specs_, name);
        if (found != nullptr && found->kind == EntryKind::Choice) {
            // A word in any case: the page's list holds its own spelling.
            const std::string given = normalisedWord(text);
            const auto word = std::find_if(found->words.begin(), found->words.end(),
                                           [&given](std::string_view w) { return normalisedWord(w) == given; });
            usable.set(found->name, word != found->words.end() ? std::string(*word) : text);
        } else if (found != nullptr) {
            usable.set(found->name, text);
        } else
            leftOut.push_back("The link names no entry '" + name + "' of " + std::string(texts().name) +
                              "; it is left out.");
    }
    // The door names the first entry it cannot use; that one is left out
    // and the rest tried again.
    for (;;) {
        Results scratch;
        const Outcome produced = produce(usable, scratch);
        if (!produced.usageError() || !usable.given(produced.entry)) break;
        leftOut.push_back("The link's " + produced.entry + " '" + *usable.find(produced.entry) +
                          "' cannot be used (" + produced.message + "); the page starts from its preset.");
        Entries rest;
        for (const auto& [name, text] : usable.all())
            if (name != produced.entry) rest.set(name, text);
        usable = std::move(rest);
    }
    values_.clear();
    for (const auto& [name, text] : usable.all()) values_[name] = text;
    fromLink_ = true;
    return leftOut;
}

std::vector<std::pair<std::string, std::string>> ProgramPages::linkEntries() const {
    std::vector<std::pair<std::string, std::string>> link;
    for (const EntrySpec& s : specs_) {
        const auto found = values_.find(std::string(s.name));
        if (found != values_.end() && found->second != s.defaultText) link.emplace_back(s.name, found->second);
    }
    return link;
}

PageSession::PageSession(const ProgramDescription& program) : pages_(program.pages()) {}

PageSession::~PageSession() = default;

std::string PageSession::title() const { return pages_ ? std::string(pages_->texts().name) : std::string(); }
namespace {

// The page's letters by the one mnemonic rule, in the desktop's order:
// push buttons (the page's, then those among its controls), radio
// buttons, then the labels of lists and fields.
void giveMnemonics(Page& page) {
    std::vector<MnemonicText> texts;
    std::vector<char*> letters;
    const auto offer = [&](std::string_view text, bool wordsFirst, char& letter) {
        texts.push_back({text, wordsFirst});
        letters.push_back(&letter);
    };
    for (Button& button : page.buttons) offer(button.text, false, button.mnemonic);
    for (Control& control : page.controls)
        if (control.kind == Control::Kind::Button) offer(control.text, false, control.mnemonic);
    for (Control& control : page.controls)
        if (control.kind == Control::Kind::Radio) {
            control.itemMnemonics.assign(control.items.size(), 0);
            for (std::size_t i = 0; i < control.items.size(); ++i)
                offer(control.items[i], false, control.itemMnemonics[i]);
        }
    for (Control& control : page.controls)
        if ((control.kind == Control::Kind::List || control.kind == Control::Kind::Field) && !control.label.empty())
            offer(control.label, true, control.mnemonic);
    const std::vector<char> chosen = chooseMnemonics(texts);
    for (std::size_t i = 0; i < chosen.size(); ++i) *letters[i] = chosen[i];
}

}  // namespace

Page PageSession::page() const {
    if (!pages_) return {};
    Page page = pages_->page();
    if (page.notice.empty()) page.notice = pages_->notice();
    // Each control that fills an entry says what the entry means, as
    // csp-report's help does.
    for (Control& control : page.controls)
        if (const EntrySpec* spec = findEntry(pages_->specs(), control.id)) control.help = utf8(entryDescription(*spec));
    giveMnemonics(page);
    return page;
}
int PageSession::depth() const { return pages_ ? pages_->stage() : 0; }
bool PageSession::showingResults() const { return pages_ && pages_->showingResults(); }

const Results& PageSession::results() const {
    static const Results none;
    return pages_ ? pages_->results() : none;
}

void PageSession::change(std::string_view control, std::string_view value) {
    if (!pages_) return;
    pages_->clearNotice();
    pages_->change(control, value);
}

Answer PageSession::press(std::string_view button) {
    if (!pages_) return {};
    pages_->clearNotice();
    return pages_->press(button);
}

void PageSession::back() {
    if (!pages_) return;
    pages_->clearNotice();
    pages_->back();
}

std::vector<std::string> PageSession::load(const std::vector<std::pair<std::string, std::string>>& given) {
    return pages_ ? pages_->load(given) : std::vector<std::string>{};
}

std::vector<std::pair<std::string, std::string>> PageSession::linkEntries() const {
    return pages_ ? pages_->linkEntries() : std::vector<std::pair<std::string, std::string>>{};
}

MessageBox PageSession::about() const {
    if (!pages_) return {};
    const ProgramTexts& texts = pages_->texts();
    MessageBox box{std::string(texts.aboutTitle), {{"", std::string(texts.versionLine)}}, {}};
    if (!texts.furtherLine.empty()) box.rows.emplace_back("", std::string(texts.furtherLine));
    return box;
}

std::optional<MessageBox> PageSession::details(std::string_view button) const {
    return pages_ ? pages_->details(button) : std::nullopt;
}


}  // namespace csp::pages
