// Chooses the next sentence in the learner's mode (one topic or every topic, in sequence or
// at random) and fetches its French and English texts.
#pragma once

#include <QString>
#include <cstdint>

class DialogueTable;
class MessageDialog;
class RandomSource;

class SentenceSelector {
public:
    SentenceSelector(const DialogueTable& table, RandomSource& random, MessageDialog& messages);

    // Replaces the two texts with those of the next sentence; a text whose lookup fails keeps
    // its old value and the French id is reported. Returns true in sequence mode, where the
    // lines' tooltips follow the texts.
    bool SelectNextSentence(QString& mstrFrench, QString& mstrEnglish);

    // Sequence mode only: steps back to the sentence before the one last selected, wrapping
    // as the forward walk does, and leaves the position just after it, as selecting it
    // forwards would have. Returns false, changing nothing, in random mode.
    bool SelectPreviousSentence(QString& mstrFrench, QString& mstrEnglish);

    int16_t randomId() const { return mintRandomId; }

private:
    int16_t drawRandomId();
    static int16_t sequencePosition();
    void fetch(int16_t id, QString& mstrFrench, QString& mstrEnglish);

    const DialogueTable& m_table;
    RandomSource& m_random;
    MessageDialog& m_messages;
    int16_t mintRandomId = 0;
};
