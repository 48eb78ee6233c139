#include "shell/mnemonics.h"

#include <array>

namespace csp {
namespace {

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char freeLetter(std::string_view text, const std::array<bool, 26>& taken, bool wordsFirst) {
    const auto isFree = [&](char c) { return isLetter(c) && !taken[static_cast<std::size_t>(upper(c) - 'A')]; };
    if (wordsFirst)
        for (std::size_t i = 0; i < text.size(); ++i)
            if ((i == 0 || !isLetter(text[i - 1])) && isFree(text[i])) return upper(text[i]);
    for (char c : text)
        if (isFree(c)) return upper(c);
    return 0;
}

}  // namespace

std::vector<char> chooseMnemonics(std::span<const MnemonicText> texts) {
    std::array<bool, 26> taken{};
    std::vector<char> letters;
    letters.reserve(texts.size());
    for (const MnemonicText& text : texts) {
        const char letter = freeLetter(text.text, taken, text.wordsFirst);
        if (letter != 0) taken[static_cast<std::size_t>(letter - 'A')] = true;
        letters.push_back(letter);
    }
    return letters;
}

}  // namespace csp
