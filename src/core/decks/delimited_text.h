// Delimited text record by record: fields split at a separator, with RFC 4180 quoting ("" for a
// quote inside quotes, line ends inside quotes) or with none, as Tatoeba writes; and which
// separator a file uses. The text is UTF-8: every byte that splits is ASCII, so the splitting
// works on the bytes and only the fields are decoded.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QStringList>

class DelimitedText {
public:
    // Reads text from start (a byte offset) on, which is on line firstLine (1-based). The text
    // must outlive this.
    DelimitedText(QByteArrayView text, QChar separator, bool quoting, qsizetype start = 0,
                  int firstLine = 1);

    // The next record's fields, raw; false at the end of the text. A blank line is a record of
    // one empty field. Line ends may be LF, CRLF or a lone CR.
    bool next(QStringList& fields);
    int recordLine() const { return m_recordLine; }   // where the record last read starts
    qsizetype position() const { return m_position; } // in bytes

    // A record that is only blank: an empty line, or one of spaces.
    static bool isBlank(const QStringList& fields);

private:
    bool isSeparatorAt(qsizetype at) const;
    qsizetype unquotedEnd(qsizetype from) const;
    bool readQuoted(QStringList& fields);
    qsizetype lineEndLength(qsizetype at) const; // of the line end at: CRLF is one

    QByteArrayView m_text;
    QByteArray m_separator; // in UTF-8
    bool m_quoting;
    qsizetype m_position;
    int m_line;
    int m_recordLine = 0;
};

// Of tab, semicolon, comma and pipe, the separator that splits the first 50 records from start
// into one same number of fields (two or more) most consistently, the earlier in that list on a
// tie; a null QChar when none gives two fields.
QChar sniffSeparator(QByteArrayView text, qsizetype start = 0);
