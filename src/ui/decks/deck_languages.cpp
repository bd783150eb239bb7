#include "ui/decks/deck_languages.h"

#include <QLocale>

QStringList offeredLanguages(const QStringList& withVoices) {
    QStringList offered{QStringLiteral("fr")};
    for (const QString& code : withVoices)
        if (!code.isEmpty() && !offered.contains(code, Qt::CaseInsensitive))
            offered << code;
    return offered;
}

QString languageName(const QString& code) {
    const QLocale locale(code);
    if (locale.language() == QLocale::C)
        return code;
    QString name = locale.nativeLanguageName();
    if (name.isEmpty())
        name = QLocale::languageToString(locale.language());
    return locale.toUpper(name.left(1)) + name.mid(1);
}
