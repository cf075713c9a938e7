#include "catalogue/CatalogueSearch.h"

#include <QRegularExpression>

#include <array>

namespace {

// The card's texts are Windows-1252: each of the 256 bytes folds once, so
// that a search through thousands of cards is a table look-up per byte.
// Most bytes fold to one ASCII letter, kept apart for the common path.
struct FoldTable
{
    std::array<std::string, 256> folds;
    std::array<char, 256> single{}; // 0: folds to none or to several bytes
};

const FoldTable &ByteFolds()
{
    static const FoldTable table = [] {
        FoldTable made;
        for (int byte = 0; byte < 256; ++byte) {
            made.folds[byte] = FoldForSearch(DecodeCardText(QByteArray(1, char(byte)))).toStdString();
            if (made.folds[byte].size() == 1)
                made.single[byte] = made.folds[byte].front();
        }
        return made;
    }();
    return table;
}

void AppendFolded(std::string &out, QByteArrayView bytes)
{
    const FoldTable &table = ByteFolds();
    qsizetype done = 0;
    // Written straight into room made for one byte each, until a byte
    // that folds otherwise.
    const size_t start = out.size();
    out.resize(start + size_t(bytes.size()));
    char *to = out.data() + start;
    while (done < bytes.size()) {
        const char folded = table.single[static_cast<unsigned char>(bytes[done])];
        if (folded == 0)
            break;
        *to++ = folded;
        ++done;
    }
    out.resize(start + size_t(done));
    for (char byte : bytes.sliced(done))
        out += table.folds[static_cast<unsigned char>(byte)];
    out += '\n'; // a word never runs from one field into the next
}

} // namespace

QString FoldForSearch(const QString &text)
{
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing && c.category() != QChar::Mark_SpacingCombining
            && c.category() != QChar::Mark_Enclosing)
            folded += c;
    }
    folded = folded.toCaseFolded();
    folded.replace(QStringLiteral("œ"), QStringLiteral("oe"));
    folded.replace(QStringLiteral("æ"), QStringLiteral("ae"));
    return folded;
}

CatalogueSearch::CatalogueSearch(const QString &typed)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &word : FoldForSearch(typed).split(blanks, Qt::SkipEmptyParts))
        m_words.push_back(word.toStdString());
}

bool CatalogueSearch::matches(const CatalogueCard &card) const
{
    if (m_words.empty())
        return true;
    thread_local std::string haystack;
    haystack.clear();
    if (card.readable) {
        for (CardRecord::Field field : {CardRecord::Titre, CardRecord::Annee, CardRecord::Type, CardRecord::Realisateur,
                                        CardRecord::Acteurs, CardRecord::Resume})
            AppendFolded(haystack, card.bytes(field));
    } else {
        haystack = FoldForSearch(card.title()).toStdString();
    }
    for (const std::string &word : m_words)
        if (haystack.find(word) == std::string::npos)
            return false;
    return true;
}

bool CatalogueSearch::narrows(const CatalogueSearch &wider) const
{
    if (m_words.size() < wider.m_words.size())
        return false;
    for (size_t i = 0; i < wider.m_words.size(); ++i)
        if (m_words[i].find(wider.m_words[i]) == std::string::npos)
            return false;
    return true;
}
