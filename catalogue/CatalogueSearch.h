#pragma once

#include "catalogue/CatalogueCard.h"

#include <string>
#include <vector>

// The text folded for comparing without regard to case or accents:
// decomposed, combining marks dropped, case folded, "œ" and "æ" spelt out.
QString FoldForSearch(const QString &text);

// What is typed in the search field: a card matches when its title, year,
// type, director, actors or summary hold every word. A damaged card is
// searched by its file name.
class CatalogueSearch
{
public:
    explicit CatalogueSearch(const QString &typed = {});

    bool isEmpty() const { return m_words.empty(); }
    bool matches(const CatalogueCard &card) const;
    // True when no card this search matches can fail `wider`: each of its
    // words holds the word at the same place in `wider`, as when more is
    // typed at the end.
    bool narrows(const CatalogueSearch &wider) const;

private:
    std::vector<std::string> m_words; // folded, UTF-8
};
