#include "ui/character/desktop_character_loader.h"

#include "core/ports/speech_engine.h"
#include "ui/character/character_window.h"
#include "ui/character/peedy_character.h"

namespace {
const QString kPeedy = QStringLiteral("Peedy");
}

DesktopCharacterLoader::DesktopCharacterLoader(QString artFolder, EngineFactory makeEngine,
                                               const PlaybackState* onBar)
    : m_artFolder(std::move(artFolder)), m_makeEngine(std::move(makeEngine)), m_onBar(onBar) {}

DesktopCharacterLoader::~DesktopCharacterLoader() = default;

CharacterResult DesktopCharacterLoader::load(const QString& characterId) {
    if (characterId.compare(kPeedy, Qt::CaseInsensitive) != 0)
        return {QStringLiteral("there is no character called \"%1\"").arg(characterId)};
    if (m_loaded.count(kPeedy))
        return {};
    auto window = std::make_unique<CharacterWindow>(m_artFolder, PeedyCharacter::frameNames());
    const QStringList problems = window->problems();
    auto peedy = std::make_unique<PeedyCharacter>(std::move(window), m_makeEngine(), m_onBar);
    m_loaded[kPeedy] = std::move(peedy);
    if (!problems.isEmpty())
        return {QStringLiteral("Peedy's pictures could not be read: ") +
                problems.join(QStringLiteral(", "))};
    return {};
}

SpeakingCharacter* DesktopCharacterLoader::character(const QString& characterId) {
    const auto found =
        m_loaded.find(characterId.compare(kPeedy, Qt::CaseInsensitive) == 0 ? kPeedy : characterId);
    return found == m_loaded.end() ? nullptr : found->second.get();
}

PeedyCharacter* DesktopCharacterLoader::peedy() const {
    const auto found = m_loaded.find(kPeedy);
    return found == m_loaded.end() ? nullptr : found->second.get();
}
