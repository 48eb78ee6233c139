#include "apps/csp-report/command_help.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "designcheck/design_check_entries.h"
#include "selection/selection_entries.h"

namespace csp::cli {
namespace {

constexpr std::size_t width = 80;
constexpr std::size_t descriptionColumn = 26;
constexpr std::size_t listColumn = 8;  // where the positions of a listed entry end

// Appends `text` from the current column, breaking between words before
// `width` and going on at `indent`.
void appendWrapped(std::string& help, std::string_view text, std::size_t column, std::size_t indent) {
    std::istringstream words{std::string(text)};
    std::string word;
    bool first = true;
    while (words >> word) {
        if (!first && column + 1 + word.size() > width) {
            help += '\n';
            help.append(indent, ' ');
            column = indent;
        } else if (!first) {
            help += ' ';
            ++column;
        }
        help += word;
        column += word.size();
        first = false;
    }
    help += '\n';
}

// One option: its names and value on the left, its description wrapped
// beside them.
void appendOption(std::string& help, std::string_view names, std::string_view description) {
    std::string left = "  " + std::string(names);
    if (left.size() + 2 > descriptionColumn) {
        help += left + "\n" + std::string(descriptionColumn, ' ');
    } else {
        help += left + std::string(descriptionColumn - left.size(), ' ');
    }
    appendWrapped(help, description, descriptionColumn, descriptionColumn);
}

void appendHelpAndVersion(std::string& help) {
    appendOption(help, "-h, --help", "display this help and exit");
    appendOption(help, "    --version", "output version information and exit");
}

std::string descriptionOf(const EntrySpec& spec) {
    std::string text = entryDescription(spec);
    if (!spec.alias.empty()) text += "; also --" + std::string(spec.alias);
    return text;
}

}  // namespace

std::string valueName(const EntrySpec& spec) {
    if (spec.kind == EntryKind::Position) return "N";
    std::string name(spec.kind == EntryKind::Typed && !spec.unit.empty() ? spec.unit : spec.name);
    if (spec.kind != EntryKind::Typed || spec.unit.empty()) name = name.substr(name.rfind('-') + 1);
    name.erase(std::remove(name.begin(), name.end(), '.'), name.end());
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::string commandHelp() {
    std::string help =
        "Usage: csp-report SUBCOMMAND [OPTION]...\n"
        "Write the reports of the corrugated steel pipe design suite without the windows:\n"
        "the same report, byte for byte, that the program's Save As writes for the same\n"
        "entries.\n\nSubcommands:\n";
    for (const ReportProgram& program : reportPrograms()) appendOption(help, program.name, program.description);
    appendOption(help, "check", checkDescription);
    appendOption(help, "select", selectDescription);
    help += "\nRun 'csp-report SUBCOMMAND --help' for the entries of each.\n\nOptions:\n";
    appendHelpAndVersion(help);
    help +=
        "\nExit status:\n"
        "  0  the report was written, or the help, the lists or the version\n"
        "  1  the program refused an entry, as its page would, or the report could not\n"
        "     be written\n"
        "  2  usage error: an option, a choice or a page the program does not offer\n"
        "\nExamples:\n"
        "  csp-report ombrel --gage 12 --resistivity 3000 --ph 6.5 --abrasion 2\n"
        "  csp-report tabrell --shape pipe-arch-3x1 --live-load E80 \\\n"
        "      --conditions trench-astm --design lrfd -o pipe-arch-3x1.txt\n"
        "  csp-report verrick --shape pipe-arch --profile 6x2 --corner-radius 31 \\\n"
        "      --size 162x114 --thickness 0.38 --method aisi --cover 20 \\\n"
        "      --load-reduction 0.86\n"
        "\nLists are given by value as --list shows it (0.109, 81x59, 6x2) or by position;\n"
        "words ignore case, blanks and hyphens (\"h 20\" is H20).\n";
    return help;
}

std::string subcommandHelp(const ReportProgram& program) {
    std::string help = "Usage: csp-report " + std::string(program.name) + " [OPTION]...\n";
    appendWrapped(help, std::string(program.description) + ", as the program's pages would give it.", 0, 0);
    help += "\nEntries (each as the page offers it):\n";
    std::vector<OfferedList> lists;
    if (program.lists && !program.listedInHelp.empty()) program.lists(Entries{}, lists);
    for (const EntrySpec& spec : program.entries()) {
        appendOption(help, "    --" + std::string(spec.name) + " " + valueName(spec), descriptionOf(spec));
        for (const OfferedList& list : lists)
            if (list.entry == spec.name && spec.name == program.listedInHelp)
                for (const OfferedItem& item : list.items)  // as the page shows them, blanks and all
                    help += std::string(listColumn - item.key.size(), ' ') + item.key + "  " + item.text + "\n";
    }
    help += "\nOptions:\n";
    appendOption(help, "-o, --output FILE",
                 "write the report to FILE as Save As does (Windows-1252, CR LF); - for standard output");
    appendOption(help, "    --svg FILE",
                     "also write the report's picture to FILE as SVG (UTF-8, CR LF), saved as -o saves; - for "
                     "standard output, when -o FILE takes the report");
    if (program.lists)
        appendOption(help, "    --list", "show the lists the pages would offer for the entries given so far, and exit");
    appendOption(help, "    --strict", "refuse a typed value that is not wholly a number instead of warning");
    appendHelpAndVersion(help);
    return help;
}

std::string checkHelp() {
    std::string help = "Usage: csp-report check [OPTION]... FILE\n";
    appendWrapped(help,
                  "Design check of every structure of a CSV file (- for standard input), one row each, as csp-report "
                  "verrick checks it. The header row names the columns: any of the entries of csp-report verrick, "
                  "without the dashes, and an optional id. The cover column is required, and so is the size: a span "
                  "column for round pipe rows, a size column for pipe-arch and underpass rows; a row whose cover or "
                  "size cell is empty is refused. Any other missing column or empty cell takes the entry's default, "
                  "and the summary shows the value used.",
                  0, 0);
    appendWrapped(help,
                  "The summary has one row per structure, in the file's order: the id (or the row number), every "
                  "entry as used, the verdict of each check of the Design Check Summary (OK, NO GOOD, or nothing "
                  "where the structure has no such check), the overall verdict, and a message: the refusal of a "
                  "row, or a warning.",
                  0, 0);
    appendWrapped(help,
                  "Then the margins: for each check, demand over capacity to three decimals (A required / area "
                  "provided, seam strength required / provided, FF / FF limit, the least cover allowed / H, "
                  "corner pressure / allowable), empty where the structure has no such check; the governing "
                  "check, whose ratio is the largest, and that ratio as max D/C. The ratios come from the values "
                  "the verdict compares, as the report prints them (FF rounded to four places, Pc to a whole psf); "
                  "the verdict stays the report's, so a ratio of exactly 1.000 fails where the rule is strict "
                  "(seam strength, FF, corner pressure) and passes where it is not.",
                  0, 0);
    help += "\nOptions:\n";
    appendOption(help, "-o, --output FILE", "write the summary to FILE instead of standard output");
    appendOption(help, "    --reports DIR",
                 "also write each checked structure's report to DIR/ID.txt, as csp-report verrick -o writes it");
    appendOption(help, "    --svg", "with --reports, also write each report's picture to DIR/ID.svg");
    appendHelpAndVersion(help);
    help += "\n";
    appendWrapped(help,
                  "At the end a line on standard error counts the rows read, checked (OK and NO GOOD) and "
                  "refused.",
                  0, 0);
    help +=
        "\nExit status: 0 every row checked, 1 a row refused, 2 a usage error or a file\n"
        "that cannot be read.\n";
    return help;
}

std::string selectHelp() {
    std::string help = "Usage: csp-report select [OPTION]...\n";
    appendWrapped(help,
                  "Which pipe for this site: for each profile the shape offers, its smallest listed size with at "
                  "least the span and rise, and the thinnest wall that passes every check of csp-report verrick at "
                  "the least cover, at the greatest and at every whole foot between; its bare steel per foot, the "
                  "governing check with its greatest demand over capacity (D/C) and the cover where it occurs; its "
                  "galvanized life as csp-report ombrel estimates it (a wall between two listed gages takes the "
                  "thinner gage's life), and what lasts the design life: galvanizing alone, Aluminum Coated Type 2 "
                  "where its note applies, or a coating the service life lists at the abrasion level. Where "
                  "galvanizing alone falls short, the thinnest thicker wall whose galvanized life is long enough is "
                  "listed too. The alternatives are ranked lightest first, and the lightest that meets both "
                  "structure and life is marked; each comes with the csp-report verrick command of its governing "
                  "cover and the csp-report ombrel command of its life.",
                  0, 0);
    help += "\nEntries (each refused as csp-report verrick or ombrel refuses it):\n";
    for (const EntrySpec& spec : selection::selectionEntries())
        appendOption(help, "    --" + std::string(spec.name) + " " + valueName(spec), descriptionOf(spec));
    help += "\nOptions:\n";
    appendOption(help, "-o, --output FILE",
                 "write the report (or the CSV) to FILE as Save As does (Windows-1252, CR LF); - for standard "
                 "output");
    appendOption(help, "    --svg FILE",
                 "also write the picture of the alternatives to FILE as SVG (UTF-8, CR LF), saved as -o saves; - "
                 "for standard output, when -o FILE takes the report");
    appendOption(help, "    --csv",
                 "write the alternatives as CSV instead of the report: profile, corrugation, size, thickness, "
                 "steel lb/ft, governing check, max D/C, governing cover, galvanized life, life gage, reaches "
                 "design life");
    appendHelpAndVersion(help);
    help +=
        "\nExit status: 0 an alternative meets both structure and life, 1 none does or an\n"
        "entry is refused, 2 a usage error.\n"
        "\nExample:\n"
        "  csp-report select --span 120 --min-cover 2 --max-cover 30 --method aisi \\\n"
        "      --live-load E80 --life 75 --resistivity 3000 --ph 6.5\n";
    return help;
}

}  // namespace csp::cli
