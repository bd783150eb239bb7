#include "core/decks/deck_names.h"

#include <QRegularExpression>

namespace {

bool isForbidden(QChar c) {
    static const QString kForbidden = QStringLiteral("/\\:*?\"<>|");
    return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control ||
           kForbidden.contains(c);
}

bool isTrimmed(QChar c) {
    return c == QLatin1Char('.') || c.isSpace();
}

QString trimDotsAndBlanks(QString text) {
    while (!text.isEmpty() && isTrimmed(text.front()))
        text.remove(0, 1);
    while (!text.isEmpty() && isTrimmed(text.back()))
        text.chop(1);
    return text;
}

// Windows opens a device for these, whatever the extension ("con.txt" too).
bool isReservedOnWindows(const QString& base) {
    static const QRegularExpression kReserved(
        QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return kReserved.match(base).hasMatch();
}

} // namespace

namespace DeckNames {

QString safeFileBase(const QString& deckName) {
    QString base = deckName;
    for (QChar& c : base) {
        if (isForbidden(c))
            c = QLatin1Char('_');
    }
    static const QRegularExpression kDots(QStringLiteral("\\.{2,}"));
    base = trimDotsAndBlanks(base).replace(kDots, QStringLiteral("_"));
    if (base.size() > kMaxBaseLength) {
        int cut = kMaxBaseLength;
        if (base.at(cut).isLowSurrogate())
            --cut; // never half a character
        base = trimDotsAndBlanks(base.left(cut));
    }
    if (base.isEmpty())
        return QStringLiteral("deck");
    if (isReservedOnWindows(base))
        base.prepend(QLatin1Char('_'));
    return base;
}

QString freeFileBase(const QString& deckName, const QStringList& taken) {
    const QString base = safeFileBase(deckName);
    QString candidate = base;
    for (int n = 2; taken.contains(candidate, Qt::CaseInsensitive); ++n)
        candidate = base + QStringLiteral(" (%1)").arg(n);
    return candidate;
}

} // namespace DeckNames
