// The lesson content: 21 topics of 35 French sentences with their English translations,
// compiled into the program; topics 22 to 29 replay topics 1 to 8.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

struct DialogueSentence {
    QString french;
    QString english;
};

struct DialogueTopic {
    int number = 0;
    QString name;
    QString fileName;
    std::vector<DialogueSentence> sentences;
};

class DialogueTable {
public:
    // The table compiled into the program.
    static const DialogueTable& builtIn();

    // Reads every "NN-*.json" topic file of a folder (a resource folder included).
    static DialogueTable fromFolder(const QString& folder);

    // The text stored under a sentence id, unchanged, or nothing when no entry has that id.
    std::optional<QString> lookup(int32_t id) const;

    // Topics 1 to 21 as stored; a missing topic has number 0.
    const DialogueTopic& topic(int number) const;
    QString topicName(int number) const { return topic(number).name; }

    // Files that could not be read, one message each.
    const QStringList& problems() const { return m_problems; }

private:
    void addFile(const QString& path);

    std::array<DialogueTopic, 22> m_topics; // index 0 unused
    QStringList m_problems;
};
