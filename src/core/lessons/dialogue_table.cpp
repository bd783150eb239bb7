#include "core/lessons/dialogue_table.h"

#include "core/lessons/sentence_id.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

const DialogueTable& DialogueTable::builtIn() {
    static const DialogueTable table = fromFolder(QStringLiteral(":/dialogues"));
    return table;
}

DialogueTable DialogueTable::fromFolder(const QString& folder) {
    DialogueTable table;
    const QDir dir(folder);
    const auto names = dir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString& name : names)
        table.addFile(dir.filePath(name));
    return table;
}

void DialogueTable::addFile(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    const auto fail = [&](const QString& why) {
        m_problems << fileName + QStringLiteral(": ") + why;
    };

    static const QRegularExpression pattern(QStringLiteral("^(\\d\\d)-[a-z-]+\\.json$"));
    const auto match = pattern.match(fileName);
    if (!match.hasMatch())
        return fail(QStringLiteral("the name is not NN-topic-name.json"));
    const int number = match.captured(1).toInt();
    if (number < 1 || number > SentenceId::kNamedTopics)
        return fail(QStringLiteral("no such topic number"));

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return fail(error.errorString());

    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("topic")).toInt() != number)
        return fail(QStringLiteral("\"topic\" differs from the file's number"));

    DialogueTopic topic;
    topic.number = number;
    topic.fileName = fileName;
    topic.name = root.value(QStringLiteral("name")).toString();
    const QJsonArray sentences = root.value(QStringLiteral("sentences")).toArray();
    for (const QJsonValue& value : sentences) {
        const QJsonObject entry = value.toObject();
        topic.sentences.push_back({entry.value(QStringLiteral("fr")).toString(),
                                   entry.value(QStringLiteral("en")).toString()});
    }
    m_topics[number] = std::move(topic);
}

const DialogueTopic& DialogueTable::topic(int number) const {
    static const DialogueTopic none;
    if (number < 1 || number > SentenceId::kNamedTopics)
        return none;
    return m_topics[number];
}

std::optional<QString> DialogueTable::lookup(int32_t id) const {
    const int32_t frenchId = SentenceId::frenchOf(id);
    if (!SentenceId::inTable(frenchId))
        return std::nullopt;
    const int sentence = SentenceId::sentenceOf(frenchId);
    const DialogueTopic& stored = topic(SentenceId::storedTopic(SentenceId::topicOf(frenchId)));
    if (static_cast<size_t>(sentence) > stored.sentences.size())
        return std::nullopt;
    const DialogueSentence& entry = stored.sentences[static_cast<size_t>(sentence) - 1];
    return SentenceId::isEnglish(id) ? entry.english : entry.french;
}
