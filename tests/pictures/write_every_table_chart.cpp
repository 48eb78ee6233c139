// Writes every fill-height table the wizard can ask for at 120 pcf, with
// the suggested load reduction factor, into a folder: N.txt, the report as
// UTF-8 lines, and N.svg, its chart. check_pictures.py reads them back.
#include <array>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "filltables/fill_table_chart.h"
#include "filltables/wizard_choices.h"
#include "shell/windows1252.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: write_every_table_chart FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    constexpr std::array<std::string_view, 1> loadReductions = {"0.86"};
    int tables = 0;
    bool written = true;
    csp::forEachWizardRequest("120", loadReductions, [&](csp::FillTableRequest& request) {
        request.report().clear();
        if (!request.generate()) return;
        const std::string name = folder + "/" + std::to_string(++tables);
        std::ofstream report(name + ".txt", std::ios::binary);
        for (const std::string& line : request.report().lines()) report << csp::windows1252ToUtf8(line) << '\n';
        std::ofstream chart(name + ".svg", std::ios::binary);
        chart << csp::drawFillTableChart(request);
        written = written && report && chart;
    });
    std::cout << tables << " tables\n";
    return written && tables > 0 ? 0 : 1;
}
