#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace csp {

// A text that may take a mnemonic letter, and how it takes one: a button
// takes the first letter of its text still free ("Next >" N); a label the
// first letter of a word still free, else any letter still free.
struct MnemonicText {
    std::string_view text;
    bool wordsFirst;
};

// The one rule both front ends give their mnemonics by: the texts in the
// order given (a page's push buttons, then its radio buttons, then its
// labels), each the letter its kind takes that no text before it took, in
// upper case; 0 for a text with no free letter. Only the letters A to Z
// count, whatever the locale.
std::vector<char> chooseMnemonics(std::span<const MnemonicText> texts);

}  // namespace csp
