// The two plain files a deck is kept in: "<base>.tsv", its sentences as a spreadsheet opens
// them, and "<base>.deck", its name, language, source and the learner's marks as key=value lines.
#pragma once

#include "core/decks/deck.h"
#include "core/decks/deck_sentences.h"

#include <QByteArray>
#include <QString>

namespace DeckFile {

inline const QString kSentencesSuffix = QStringLiteral(".tsv");
inline const QString kInfoSuffix = QStringLiteral(".deck");

inline QString sentencesFileName(const QString& base) {
    return base + kSentencesSuffix;
}
inline QString infoFileName(const QString& base) {
    return base + kInfoSuffix;
}

// The sentences' own bytes, shared, not copied.
QByteArray sentencesText(const DeckSentences& sentences);
// The marks are written in the order of the sentences; marks of keys not among them are dropped.
QByteArray infoText(const DeckInfo& info, const DeckProgress& progress,
                    const DeckSentences& sentences);

// Each returns what is wrong with the text, one short phrase, or nothing when it was read.
QString parseSentences(const QByteArray& bytes, DeckSentences& sentences);
QString parseInfo(const QByteArray& bytes, DeckInfo& info, DeckProgress& progress);

} // namespace DeckFile
