// The text of a file a learner brings: its bytes as UTF-8, and how French a piece of it looks.
// (Cleaning one field, cleanDeckField(), is declared with the readers.)
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

struct DecodedDeckText {
    QByteArray text;     // UTF-8, without a byte-order mark
    QString encoding;    // "UTF-8", "UTF-16" or "Windows-1252"
    bool binary = false; // NUL bytes or many control bytes: not text at all
};

// UTF-16 (LE or BE) by its byte-order mark; else UTF-8 when the bytes are valid UTF-8, with a
// mark or without; else Windows-1252, which French spreadsheets write. UTF-8 bytes handed over
// (std::move) are the text itself, not a copy; the others are converted a piece at a time, so
// a big file is never held as UTF-16 whole.
DecodedDeckText decodeDeckBytes(QByteArray bytes);

// A sentence id or a row number, not text: digits only, at least one.
bool isDigitsOnly(QStringView text);

// How French a text looks: its accented letters plus its little words (le, de, qu', ...).
int frenchScore(QStringView text);
