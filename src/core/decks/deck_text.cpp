#include "core/decks/deck_text.h"

#include "core/decks/deck_reader.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <iterator>
#include <type_traits>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; its five unused codes stay C1 controls,
// which cleaning drops.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const char* data, qsizetype size) {
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = byte >= 0x80 && byte < 0xA0 ? QChar(kWindows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool isControl(char16_t c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F;
}

// More than one control character in a hundred (tab and line ends aside) is no text a learner
// typed; the first megabyte tells.
template <typename Char> bool manyControls(const Char* data, qsizetype size) {
    const qsizetype sample = qMin<qsizetype>(size, 1 << 20);
    qsizetype controls = 0;
    for (qsizetype i = 0; i < sample; ++i) {
        const auto c = static_cast<char16_t>(static_cast<std::make_unsigned_t<Char>>(data[i]));
        if (c == 0)
            return true;
        if (isControl(c))
            ++controls;
    }
    return controls > 2 && controls * 100 > sample;
}

constexpr qsizetype kPiece = 1 << 21; // bytes converted at a time

// binary: the first piece looks like no text (the pieces after are not looked at).
QByteArray utf16ToUtf8(const QByteArray& bytes, QStringConverter::Encoding encoding, bool& binary) {
    QStringDecoder decoder(encoding);
    QByteArray out;
    out.reserve(bytes.size() / 2);
    QString held; // a first half of a pair that ended the piece before
    for (qsizetype at = 2; at < bytes.size(); at += kPiece) {
        QString piece = held + decoder.decode(QByteArrayView(bytes).sliced(at).first(
                                   std::min(kPiece, bytes.size() - at)));
        if (at == 2 && (binary = manyControls(piece.utf16(), piece.size())))
            return {};
        held.clear();
        if (!piece.isEmpty() && piece.back().isHighSurrogate() && at + kPiece < bytes.size()) {
            held = piece.back();
            piece.chop(1);
        }
        out += piece.toUtf8();
    }
    return out;
}

QByteArray windows1252ToUtf8(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (qsizetype at = 0; at < bytes.size(); at += kPiece)
        out +=
            fromWindows1252(bytes.constData() + at, std::min(kPiece, bytes.size() - at)).toUtf8();
    return out;
}

QString removeSounds(QString text) {
    static const QLatin1String kSound("[sound:");
    for (qsizetype at = text.indexOf(kSound); at >= 0; at = text.indexOf(kSound, at)) {
        const qsizetype end = text.indexOf(']', at);
        if (end < 0)
            break;
        text.remove(at, end - at + 1);
    }
    return text;
}

QChar decodeEntity(QStringView name) {
    if (name.startsWith('#')) {
        bool ok = false;
        const uint code = name.size() > 1 && (name[1] == 'x' || name[1] == 'X')
                              ? name.mid(2).toUInt(&ok, 16)
                              : name.mid(1).toUInt(&ok, 10);
        // Beyond the basic plane is left as written: a single QChar cannot hold it.
        return ok && code > 0 && code < 0xD800 ? QChar(char16_t(code)) : QChar();
    }
    static const std::pair<const char*, char16_t> kNamed[] = {
        {"nbsp", 0x00A0}, {"amp", '&'},   {"lt", '<'},     {"gt", '>'},
        {"quot", '"'},    {"apos", '\''}, {"laquo", 0xAB}, {"raquo", 0xBB}};
    for (const auto& [entity, c] : kNamed) {
        if (name == QLatin1String(entity))
            return QChar(c);
    }
    return {};
}

// Tags out (a line break or a block between words becomes a blank), entities decoded in the same
// pass so that an escaped "&lt;b&gt;" stays text.
QString stripHtml(const QString& text) {
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == '<' && i + 1 < n &&
            (text[i + 1].isLetter() || text[i + 1] == '/' || text[i + 1] == '!')) {
            const qsizetype end = text.indexOf('>', i + 1);
            if (end < 0) {
                out += QStringView(text).mid(i);
                break;
            }
            qsizetype nameStart = i + 1 + (text[i + 1] == '/' ? 1 : 0);
            qsizetype nameEnd = nameStart;
            while (nameEnd < end && text[nameEnd].isLetterOrNumber())
                ++nameEnd;
            const QString name = text.mid(nameStart, nameEnd - nameStart).toLower();
            if (name == QLatin1String("br") || name == QLatin1String("div") ||
                name == QLatin1String("p") || name == QLatin1String("li") ||
                name == QLatin1String("tr") || name == QLatin1String("td"))
                out += ' ';
            i = end;
            continue;
        }
        if (c == '&') {
            const qsizetype end = text.indexOf(';', i + 1);
            if (end > i + 1 && end - i <= 10) {
                const QChar decoded = decodeEntity(QStringView(text).mid(i + 1, end - i - 1));
                if (!decoded.isNull()) {
                    out += decoded;
                    i = end;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

QString showClozes(const QString& text) {
    static const QRegularExpression kCloze(QStringLiteral("\\{\\{c\\d+::(.*?)(?:::.*?)?\\}\\}"),
                                           QRegularExpression::DotMatchesEverythingOption);
    QString out = text;
    return out.replace(kCloze, QStringLiteral("\\1"));
}

// Already clean: no blank at either end or twice, no other kind of blank, no control, ASCII
// (so NFC already).
bool isCleanAscii(const QString& text) {
    const QChar* d = text.constData();
    const qsizetype n = text.size();
    if (n > 0 && (d[0] == ' ' || d[n - 1] == ' '))
        return false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = d[i].unicode();
        if (c < 0x20 || c >= 0x7F || (c == ' ' && d[i + 1] == ' '))
            return false;
    }
    return true;
}

} // namespace

DecodedDeckText decodeDeckBytes(QByteArray bytes) {
    DecodedDeckText decoded;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    if (size >= 2 &&
        ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF))) {
        decoded.text = utf16ToUtf8(
            bytes, data[0] == 0xFF ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
            decoded.binary);
        decoded.encoding = QStringLiteral("UTF-16");
        return decoded;
    }
    if (manyControls(bytes.constData(), size) || bytes.contains('\0')) {
        decoded.binary = true;
        return decoded;
    }
    const bool bom = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
    if (QByteArrayView(bytes).sliced(bom ? 3 : 0).isValidUtf8()) {
        if (bom)
            bytes.remove(0, 3); // in place when the bytes were handed over
        decoded.text = std::move(bytes);
        decoded.encoding = QStringLiteral("UTF-8");
    } else {
        decoded.text = windows1252ToUtf8(bytes);
        decoded.encoding = QStringLiteral("Windows-1252");
    }
    return decoded;
}

QString cleanDeckField(const QString& text, bool html) {
    QString work = text;
    if (work.contains(QLatin1String("[sound:")))
        work = removeSounds(work);
    if (html && (work.contains('<') || work.contains('&')))
        work = stripHtml(work);
    if (work.contains(QLatin1String("{{c")))
        work = showClozes(work);
    if (isCleanAscii(work))
        return work;

    QString out;
    out.reserve(work.size());
    bool blankPending = false;
    // Below U+0300 (where combining marks start) every text is already composed.
    bool composed = true;
    for (const QChar c : std::as_const(work)) {
        if (c.isSpace()) {
            blankPending = !out.isEmpty();
            continue;
        }
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xFEFF)
            continue;
        if (blankPending) {
            out += ' ';
            blankPending = false;
        }
        composed = composed && u < 0x300;
        out += c;
    }
    return composed ? out : out.normalized(QString::NormalizationForm_C);
}

bool isDigitsOnly(QStringView text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

int frenchScore(QStringView text) {
    static const QString kAccents = QStringLiteral("àâäçéèêëîïôöùûüÿœæ");
    static const char* const kWords[] = {"le", "la",  "les", "un",  "une", "des",  "de",   "du",
                                         "et", "est", "je",  "tu",  "il",  "elle", "nous", "vous",
                                         "ne", "pas", "que", "qui", "en",  "au"};
    static const char* const kElided[] = {"c", "l", "d", "j", "qu"};
    int score = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        if (!text[i].isLetter()) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < n && text[i].isLetter()) {
            if (kAccents.contains(text[i].toLower()))
                ++score;
            ++i;
        }
        const qsizetype length = i - start;
        if (length > 4)
            continue;
        QChar lower[4];
        for (qsizetype k = 0; k < length; ++k)
            lower[k] = text[start + k].toLower();
        const QStringView word(lower, length);
        if (word == QStringView(u"à"))
            continue; // its accent already counted
        const bool elided = i < n && (text[i] == '\'' || text[i] == QChar(0x2019));
        const auto isIn = [&word](const auto& words) {
            return std::any_of(std::begin(words), std::end(words),
                               [&word](const char* w) { return word == QLatin1String(w); });
        };
        if (elided ? isIn(kElided) : isIn(kWords))
            ++score;
    }
    return score;
}
