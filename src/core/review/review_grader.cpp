#include "core/review/review_grader.h"

#include <algorithm>

void ReviewGrader::showing(const std::optional<ReviewKey>& key, qint64 nowMs) {
    m_current = key;
    m_shownAtMs = nowMs;
    m_graded = false;
}

std::optional<ReviewCard> ReviewGrader::markedHard(qint64 nowMs) {
    return grade(Grade::Again, nowMs, true);
}

std::optional<ReviewCard> ReviewGrader::readAgain(qint64 nowMs) {
    return grade(Grade::Again, nowMs, false);
}

std::optional<ReviewCard> ReviewGrader::markedKnown(qint64 nowMs) {
    const std::optional<ReviewCard> graded = grade(Grade::Easy, nowMs, false);
    if (m_current)
        m_schedule.remove(*m_current);
    return graded;
}

std::optional<ReviewCard> ReviewGrader::playedThrough(qint64 nowMs) {
    return grade(Grade::Good, nowMs, false);
}

std::optional<ReviewCard> ReviewGrader::grade(Grade grade, qint64 nowMs, bool mayEnter) {
    if (!m_current || m_graded || (!mayEnter && !m_schedule.contains(*m_current)))
        return std::nullopt;
    m_graded = true;
    // A clock set back while the sentence showed gives no time rather than a negative one.
    const qint64 onBarMs = m_shownAtMs > 0 ? std::max<qint64>(0, nowMs - m_shownAtMs) : 0;
    return m_schedule.grade(*m_current, grade, nowMs, onBarMs);
}
