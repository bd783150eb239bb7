// The order sentences are played in, forwards and backwards: the selector's walk in sequence
// mode, and in random mode the draws already shown backwards and forwards again, then fresh
// draws.
#pragma once

#include "core/learning/play_history.h"

#include <QObject>
#include <optional>

class DialogueTable;
class SentenceSelector;
struct SettingsRecord;

class PlayOrder : public QObject {
    Q_OBJECT
public:
    PlayOrder(SentenceSelector& selector, const DialogueTable& table,
              const SettingsRecord& settings, QObject* parent = nullptr);

    // The next sentence into the two texts. True in sequence mode, where the lines' tooltips
    // follow the texts.
    bool next(QString& french, QString& english);
    // One step back; nothing (texts unchanged) when random mode has no earlier sentence.
    // Otherwise whether the tooltips follow, as for next().
    std::optional<bool> previous(QString& french, QString& english);

    // The French id of the sentence on the bar, 0 before the first one.
    int currentId() const { return m_currentId; }
    QString currentTopicName() const;
    QString currentFrench() const { return m_french; }
    QString currentEnglish() const { return m_english; }

signals:
    void sentenceChanged(const QString& topicName, const QString& french, int frenchId,
                         const QString& english);

private:
    void showing(int id, const QString& french, const QString& english);

    SentenceSelector& m_selector;
    const DialogueTable& m_table;
    const SettingsRecord& m_settings;
    PlayHistory m_history;
    int m_currentId = 0;
    QString m_french;
    QString m_english;
};
