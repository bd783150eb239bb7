// Agent1: the control that loads the program's characters. The one character there is, Peedy,
// lives in a window of its own and speaks through the platform's speech engine.
#pragma once

#include "playback/agent.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class PeedyCharacter;
class SpeechEngine;

class DesktopAgent : public AgentControl, private AgentCharacters {
public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;

    // The art folder holds the frames; the factory makes the speech engine.
    DesktopAgent(QString artFolder, EngineFactory makeEngine);
    ~DesktopAgent() override;

    AgentCharacters& Characters() override { return *this; }
    PeedyCharacter* peedy() const;
    // What the bar shows, for the character loaded now or later (see PeedyCharacter).
    void setSentenceOnBar(std::function<QString()> onBar);

private:
    AgentResult Load(const QString& characterId, const QVariant& loadKey) override;
    AgentCharacter* operator()(const QString& characterId) override;

    QString m_artFolder;
    EngineFactory m_makeEngine;
    std::function<QString()> m_onBar;
    std::map<QString, std::unique_ptr<PeedyCharacter>> m_loaded;
};
