// The house style of the lesson texts and the phrases no learner should miss.
#include "content/dialogue_table.h"
#include "content/sentence_id.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The places ("topic#sentence") whose French or English text matches.
QStringList placesMatching(bool french, const QString& pattern) {
    const QRegularExpression re(pattern, QRegularExpression::CaseInsensitiveOption);
    QStringList where;
    for (int t = 1; t <= SentenceId::kNamedTopics; ++t) {
        const auto& sentences = DialogueTable::builtIn().topic(t).sentences;
        for (size_t i = 0; i < sentences.size(); ++i)
            if (re.match(french ? sentences[i].french : sentences[i].english).hasMatch())
                where << QString("%1#%2").arg(t).arg(i + 1);
    }
    return where;
}

std::string joined(const QStringList& places) {
    return places.join(' ').toStdString();
}

TEST(ContentStyle, bothLanguagesAvoidStraightQuotesAndBritishWords) {
    const struct {
        bool french;
        const char* pattern;
    } banned[] = {
        {true, "['\"]"}, // typographic ’ and “ ” only
        {false, "['\"]"},
        {false, "\\b(pay slip|sick note|starter|jug|tobacconist|railcard|top up|cloakroom)"},
        {false, "\\b(night porter|ground floor|subway|OK)\\b"},
        {true, "Claire (?!Martin)\\p{Lu}"}, // a recurring person keeps her surname
    };
    for (const auto& rule : banned)
        EXPECT_EQ(joined(placesMatching(rule.french, rule.pattern)), "")
            << (rule.french ? "French " : "English ") << rule.pattern;
}

TEST(ContentStyle, everyEssentialPhraseIsTaughtSomewhere) {
    for (const char* phrase :
         {"Au revoir", "De rien", "À bientôt", "Comment vous appelez-vous\\?",
          "Je ne comprends pas", "Vous pouvez répéter, s’il vous plaît\\?",
          "Vous pouvez parler plus lentement\\?", "Quelle heure est-il\\?", "Au secours!",
          "Appelez une ambulance!", "Bon appétit", "Excusez-moi", "Merci beaucoup"})
        EXPECT_FALSE(placesMatching(true, phrase).isEmpty()) << phrase;
}

// A scene told twice wastes slots a learner needs; a surname names one person.
TEST(ContentStyle, aSceneOrSurnameBelongsToOneTopicOnly) {
    for (const char* scene :
         {"paquet cadeau", "tordu la cheville", "quelle taille", "\\bRoux\\b", "\\bBernard\\b"}) {
        QSet<QString> topics;
        for (const QString& where : placesMatching(true, scene))
            topics << where.section('#', 0, 0);
        EXPECT_LE(topics.size(), 1) << scene << ": " << joined(placesMatching(true, scene));
    }
}

} // namespace
