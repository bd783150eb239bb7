#include "core/decks/deck_columns.h"

#include "core/decks/deck_text.h"

#include <QSet>
#include <algorithm>

namespace {

enum class Role { None, Sentence, Translation };

// The first word of a name that says what its column holds: "French sentence" is the sentence.
Role roleOfName(QStringView name) {
    static const QStringView kSentence[] = {u"french", u"français", u"francais", u"front",
                                            u"recto",  u"sentence", u"phrase"};
    static const QStringView kTranslation[] = {u"english", u"anglais",     u"back",
                                               u"verso",   u"translation", u"traduction"};
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n;) {
        if (!name[i].isLetter()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && name[i].isLetter())
            ++i;
        const QStringView word = name.mid(start, i - start);
        const auto is = [&word](QStringView known) {
            return word.compare(known, Qt::CaseInsensitive) == 0;
        };
        if (std::any_of(std::begin(kSentence), std::end(kSentence), is))
            return Role::Sentence;
        if (std::any_of(std::begin(kTranslation), std::end(kTranslation), is))
            return Role::Translation;
    }
    return Role::None;
}

bool endsAsSentence(const QString& text) {
    return !text.isEmpty() && QStringView(u".!?…").contains(text.back());
}

} // namespace

bool startsWithHeaderRow(const std::vector<QStringList>& rows) {
    if (rows.empty() || rows.front().size() < 2)
        return false;
    const QStringList& first = rows.front();
    QSet<QString> distinct;
    bool named = false;
    bool someEmpty = false;
    qsizetype headerLength = 0;
    for (const QString& cell : first) {
        if (isDigitsOnly(cell) || endsAsSentence(cell) || cell.size() > 40)
            return false;
        named = named || roleOfName(cell) != Role::None;
        someEmpty = someEmpty || cell.isEmpty();
        const QString lower = cell.toLower();
        if (!cell.isEmpty() && distinct.contains(lower))
            return false;
        distinct.insert(lower);
        headerLength += cell.size();
    }
    if (named)
        return true;
    if (someEmpty || rows.size() < 2)
        return false;
    // Names are words; the rows under them are sentences, several times as long.
    qsizetype dataLength = 0;
    qsizetype dataCells = 0;
    for (size_t r = 1; r < std::min<size_t>(rows.size(), 21); ++r) {
        for (const QString& cell : rows[r]) {
            dataLength += cell.size();
            dataCells += cell.isEmpty() ? 0 : 1;
        }
    }
    return dataCells > 0 && dataLength * first.size() >= 3 * headerLength * dataCells;
}

void guessSentenceColumns(DeckTable& table, const QList<int>& notText) {
    const std::vector<QStringList> sample = table.rows.firstLines(200);
    int width = int(table.columnNames.size());
    for (const QStringList& row : sample)
        width = std::max(width, int(row.size()));
    std::vector<int> score(width, 0);
    std::vector<int> textCells(width, 0);
    for (const QStringList& row : sample) {
        for (int c = 0; c < row.size(); ++c) {
            if (!notText.contains(c) && !row[c].isEmpty() && !isDigitsOnly(row[c])) {
                ++textCells[c];
                score[c] += frenchScore(row[c]);
            }
        }
    }

    int sentence = -1;
    int translation = -1;
    for (int c = 0; c < table.columnNames.size(); ++c) {
        if (notText.contains(c))
            continue;
        const Role role = roleOfName(table.columnNames[c]);
        if (role == Role::Sentence && sentence < 0)
            sentence = c;
        if (role == Role::Translation && translation < 0)
            translation = c;
    }
    // The earliest column wins a tie, so an unnamed Anki note keeps field 1 as the sentence.
    if (sentence < 0) {
        for (int c = 0; c < width; ++c) {
            if (c != translation && textCells[c] > 0 &&
                (sentence < 0 || score[c] > score[sentence]))
                sentence = c;
        }
    }
    if (sentence < 0)
        sentence = translation == 0 ? 1 : 0;
    if (translation < 0 || translation == sentence) {
        translation = -1;
        for (int step = 1; step < width && translation < 0; ++step) {
            const int c = (sentence + step) % width;
            if (textCells[c] > 0)
                translation = c;
        }
        for (int c = 0; c < width && translation < 0; ++c) {
            if (c != sentence && !notText.contains(c))
                translation = c;
        }
        if (translation < 0)
            translation = sentence == 0 ? 1 : 0;
    }
    table.sentenceColumn = sentence;
    table.translationColumn = translation;
}
