#include "shell/mnemonics.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace csp {
namespace {

// The one rule both front ends give their mnemonics by: buttons take the
// first free letter of their text, labels the first free letter of a word,
// each in order; nothing else counts as a letter.
TEST(Mnemonics, ButtonsFirstThenLabelsByTheirWords) {
    struct Case {
        const char* name;
        std::vector<MnemonicText> texts;
        std::string letters;  // '.' for none
    };
    const Case cases[] = {
        {"a wizard page", {{"Next >", false}, {"Quit", false}, {"Cover", true}, {"Corner Pressure", true}}, "NQCP"},
        {"a label whose words' first letters are taken takes any free letter",
         {{"Soil Density", true}, {"Structure Shape", true}, {"Span", true}}, "STP"},
        {"a button takes any free letter of its text", {{"Next >", false}, {"< Back", false}, {"Note", false}}, "NBO"},
        {"the Results window", {{"OK", false}, {"Save As...", false}, {"Print...", false}}, "OSP"},
        {"no letter left", {{"A", false}, {"a", false}, {"½ 7", true}}, "A.."},
        {"case is not a second letter", {{"ok", false}, {"OK", false}}, "OK"},
    };
    for (const Case& c : cases) {
        std::string got;
        for (char letter : chooseMnemonics(c.texts)) got += letter == 0 ? '.' : letter;
        EXPECT_EQ(got, c.letters) << c.name;
    }
}

}  // namespace
}  // namespace csp
