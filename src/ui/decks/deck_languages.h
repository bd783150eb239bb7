// The languages a deck can be in, as the learner reads them.
#pragma once

#include <QString>
#include <QStringList>

// French first, then the others in their order, each once.
QStringList offeredLanguages(const QStringList& withVoices);
// A BCP 47 name in its own language ("Français", "Deutsch"); the name itself when unknown.
QString languageName(const QString& code);
