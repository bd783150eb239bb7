// Loads the program's characters by name. The one character there is, Peedy,
// lives in a window of its own and speaks through the platform's speech engine.
#pragma once

#include "core/playback/speaking_character.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class PeedyCharacter;
class PlaybackState;
class SpeechEngine;

class DesktopCharacterLoader : public CharacterLoader {
public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;

    // The art folder holds the frames; the factory makes the speech engine; onBar holds the
    // sentence on the bar (see PeedyCharacter).
    DesktopCharacterLoader(QString artFolder, EngineFactory makeEngine,
                           const PlaybackState* onBar = nullptr);
    ~DesktopCharacterLoader() override;

    CharacterResult load(const QString& name) override;
    SpeakingCharacter* character(const QString& name) override;
    PeedyCharacter* peedy() const;

private:
    QString m_artFolder;
    EngineFactory m_makeEngine;
    const PlaybackState* m_onBar;
    std::map<QString, std::unique_ptr<PeedyCharacter>> m_loaded;
};
