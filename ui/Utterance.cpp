#include "ui/Utterance.h"

#include <utility>

namespace tonik {

void Utterance::Open(const std::string& knownContrast)
{
    if (open)
        return;
    open = true;
    spokenByFocus = false;
    known = knownContrast;
    words.clear();
}

void Utterance::SetWords(std::string said)
{
    words = std::move(said);
}

std::string Utterance::Close(const std::string& contrastNow)
{
    if (!open)
        return {};
    open = false;
    std::string text = std::move(words);
    words.clear();
    if (spokenByFocus)
        return {};
    if (contrastNow != known && !contrastNow.empty())
        text += (text.empty() ? "" : ". ") + contrastNow;
    return text;
}

}  // namespace tonik
