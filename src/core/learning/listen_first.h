// Listen first: the character reads each French sentence with no balloon while the bar holds
// the French text back; the text comes in once the reading has ended or its time is up.
#pragma once

#include "core/playback/french_hold.h"

#include <QtGlobal>
#include <functional>

struct SettingsRecord;

class ListenFirst : public FrenchHold {
public:
    // Milliseconds since the program started.
    using Clock = std::function<qint64()>;
    // Nothing is held back while the settings do not read aloud.
    ListenFirst(const SettingsRecord& settings, Clock clock)
        : m_settings(settings), m_clock(std::move(clock)) {}

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }

    Start begin(SpeakingCharacter* character, const QString& french) override;
    bool holding() override;

    // A speech engine still coming up may keep a sentence waiting; its time limit starts
    // counting this long after start at the latest.
    static constexpr qint64 kEngineGraceMs = 10000;

private:
    const SettingsRecord& m_settings;
    Clock m_clock;
    bool m_enabled = false;
    SpeakingCharacter* m_reader = nullptr;
    qint64 m_deadline = 0;
};
