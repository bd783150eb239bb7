// A deck library over an in-memory folder, the message boxes it would show, and a temporary
// folder for the files a learner brings.
#pragma once

#include "core/decks/deck_library.h"
#include "core/decks/deck_reader.h"
#include "fakes/fake_deck_storage.h"
#include "fakes/fake_message_dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class DeckFixture : public ::testing::Test {
protected:
    void SetUp() override { library.load(); }

    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // A deck as an import leaves it: one sentence per pair, keyed by itself.
    void importDeck(const QString& name, const QString& source,
                    const QList<QPair<QString, QString>>& pairs) {
        DeckDraft draft;
        for (const auto& [sentence, translation] : pairs)
            draft.sentences.push_back({sentence, sentence, translation});
        ASSERT_EQ(
            library
                .importDeck({name, QStringLiteral("fr"), source, QDateTime::currentDateTimeUtc()},
                            draft)
                .error,
            QString());
    }

    FakeDeckStorage storage;
    DeckLibrary library{storage};
    FakeMessageDialog messages;
    QTemporaryDir files;
};
