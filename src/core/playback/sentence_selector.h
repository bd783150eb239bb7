// Chooses the next sentence in the learner's mode (one topic or every topic, in sequence or
// at random) and fetches its French and English texts.
#pragma once

#include <QString>
#include <cstdint>

class DialogueTable;
class MessageDialog;
class RandomSource;
struct SettingsRecord;

// What the learner already knows, so that the selector passes it by.
class SelectionFilter {
public:
    virtual ~SelectionFilter() = default;
    virtual bool known(int frenchId) const = 0;
    // Every sentence the mode could play is known: they are played all the same.
    virtual void everySentenceKnown() = 0;
};

class SentenceSelector {
public:
    // Reads the mode from the settings and moves their sequence position on.
    SentenceSelector(const DialogueTable& table, SettingsRecord& settings, RandomSource& random,
                     MessageDialog& messages);

    // Replaces the two texts with those of the next sentence; a text whose lookup fails keeps
    // its old value and the French id is reported. Returns true in sequence mode, where the
    // lines' tooltips follow the texts.
    bool selectNextSentence(QString& frenchText, QString& englishText);

    // Sequence mode only: steps back to the sentence before the one last selected, wrapping
    // as the forward walk does, and leaves the position just after it, as selecting it
    // forwards would have. Returns false, changing nothing, in random mode.
    bool selectPreviousSentence(QString& frenchText, QString& englishText);

    int16_t randomId() const { return m_randomId; }

    // Null plays every sentence.
    void setFilter(SelectionFilter* filter) { m_filter = filter; }

private:
    int16_t drawRandomId();
    int16_t sequencePosition() const;
    // The learner's walk, within the chosen topic or through every topic: the position a
    // forward step lands on from `position`, and the sentence before `current`.
    int walkFrom(int position) const;
    int walkBackFrom(int current) const;
    int16_t skipKnown(int16_t position, bool backwards = false);
    bool known(int id) const { return m_filter && m_filter->known(id); }
    void fetch(int16_t id, QString& frenchText, QString& englishText);

    const DialogueTable& m_table;
    SettingsRecord& m_settings;
    RandomSource& m_random;
    MessageDialog& m_messages;
    int16_t m_randomId = 0;
    SelectionFilter* m_filter = nullptr;
};
