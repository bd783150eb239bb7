#include "core/learning/learning_modes.h"

#include "core/learning/deck_play_order.h"
#include "core/lessons/dialogue_table.h"
#include "core/lessons/sentence_id.h"
#include "core/logging.h"
#include "core/ports/settings_store.h"
#include "core/settings/settings_keys.h"
#include "core/settings/settings_record.h"

namespace {

// Every one of the 735 sentences written as its own five-digit id is about 4 KB of text, so a
// stored list past a megabyte holds nothing this program wrote: it is damage, and reading it
// would hold up the start by seconds. It counts as empty, and the next save writes the list anew.
constexpr qsizetype kLongestListText = 1 << 20;
} // namespace

LearningModes::LearningModes(SettingsStore& store, const SettingsRecord& settings, Clock clock,
                             QObject* parent)
    : QObject(parent), m_store(store), m_settings(settings), m_clock(clock),
      m_listen(settings, clock) {}

void LearningModes::load() {
    const auto read = [this](const char* key) {
        return m_store.read(QLatin1String(kSettingsApplication),
                            QLatin1String(LearningKeys::kSection), QLatin1String(key));
    };
    m_listen.setEnabled(read(LearningKeys::kListenFirst).trimmed() == QLatin1String("1"));
    m_translationHidden = read(LearningKeys::kHideTranslation).trimmed() == QLatin1String("1");
    const auto readList = [&read](const char* key) {
        const QString text = read(key);
        if (text.size() <= kLongestListText)
            return SentenceSet::fromText(text);
        qCWarning(lcLearning).noquote()
            << QStringLiteral("the stored \"%1\" list is %2 MB, far more than any list of "
                              "sentences: it is left out")
                   .arg(QLatin1String(key))
                   .arg(double(text.size()) / (1 << 20), 0, 'f', 1);
        return SentenceSet{};
    };
    m_known = readList(LearningKeys::kKnown);
    m_seen = readList(LearningKeys::kSeen);
    emit changed();
}

void LearningModes::save() {
    const auto write = [this](const char* key, const QString& text) {
        m_store.write(QLatin1String(kSettingsApplication), QLatin1String(LearningKeys::kSection),
                      QLatin1String(key), text);
    };
    write(LearningKeys::kListenFirst,
          m_listen.enabled() ? QStringLiteral("1") : QStringLiteral("0"));
    write(LearningKeys::kHideTranslation,
          m_translationHidden ? QStringLiteral("1") : QStringLiteral("0"));
    write(LearningKeys::kKnown, m_known.toText());
    write(LearningKeys::kSeen, m_seen.toText());
    m_store.sync();
    m_seenUnsaved = false;
    m_lastSave = m_clock();
}

void LearningModes::saveAndTell() {
    save();
    const QString failure = m_store.saveFailure();
    if (!failure.isEmpty() && failure != m_toldFailure)
        qCWarning(lcSettings).noquote() << failure;
    m_toldFailure = failure;
}

void LearningModes::markCurrentKnown() {
    if (m_current == 0)
        return; // nothing has played yet
    if (SentenceId::isDeckSentence(m_current)) {
        if (m_decks)
            m_decks->markKnown(m_current);
        emit changed();
        emit moveOnRequested();
        return;
    }
    m_known.add(m_current);
    m_seen.add(m_current);
    saveAndTell();
    emit changed();
    emit moveOnRequested();
}

void LearningModes::forgetChosenTopic() {
    if (m_decks && m_decks->playing()) {
        m_decks->forget();
        emit changed();
        return;
    }
    if (m_settings.playsOneTopic())
        m_known.removeTopic(m_settings.topic);
    else
        m_known.clear();
    m_noticedTopic = kNoTopic;
    saveAndTell();
    emit changed();
}

void LearningModes::setListenFirst(bool on) {
    if (on == m_listen.enabled())
        return;
    m_listen.setEnabled(on);
    saveAndTell();
    emit changed();
}

void LearningModes::setTranslationHidden(bool on) {
    if (on == m_translationHidden)
        return;
    m_translationHidden = on;
    save();
    emit changed();
}

int LearningModes::seenCount(int topic) const {
    if (topic < 1 || topic > SentenceId::kNamedTopics)
        return 0;
    // A sentence marked known has been seen, even when the two lists were edited apart.
    int count = 0;
    for (int sentence = 1; sentence <= SentenceId::kSentencesPerTopic; ++sentence) {
        const int id = SentenceId::french(topic, sentence);
        count += m_seen.contains(id) || m_known.contains(id);
    }
    return count;
}

int LearningModes::knownInChosenTopic() const {
    if (m_decks && m_decks->playing())
        return m_decks->knownCount();
    return m_settings.playsOneTopic() ? m_known.countInTopic(m_settings.topic) : m_known.size();
}

QString LearningModes::chosenTopicName() const {
    if (m_decks && m_decks->playing())
        return m_decks->name();
    return m_settings.playsOneTopic()
               ? DialogueTable::builtIn().topicName(m_settings.topic).trimmed()
               : tr("every topic");
}

int LearningModes::knownCount(int topic) const {
    return m_known.countInTopic(topic);
}

void LearningModes::everySentenceKnown() {
    if (m_noticedTopic == m_settings.topic)
        return;
    m_noticedTopic = m_settings.topic;
    const QString what =
        m_settings.playsOneTopic()
            ? tr("Every sentence of \"%1\"")
                  .arg(DialogueTable::builtIn().topicName(m_settings.topic).trimmed())
            : tr("Every sentence");
    emit notice(what + tr(" is marked as known: playing them all again."));
}

void LearningModes::selected(int frenchId) {
    m_current = frenchId;
    if (!known(frenchId))
        m_noticedTopic = kNoTopic; // the next time all are known is worth saying again
}

// A sentence skipped past before it could be read is not seen.
void LearningModes::currentShown() {
    if (SentenceId::isDeckSentence(m_current)) {
        if (m_decks)
            m_decks->shown(m_current);
        emit changed();
        return;
    }
    if (m_current != 0 && m_seen.add(m_current)) {
        m_seenUnsaved = true;
        emit changed();
    }
    if (m_seenUnsaved && m_clock() - m_lastSave >= kSeenSaveIntervalMs)
        saveAndTell();
}
