// The learner's decks as menu entries, made once for the Learn submenu and the tray menu:
// import a file, add a sentence, the Decks window, and "Play from" to choose what the bar plays.
// The windows they open are made here and kept one of each.
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class AddSentenceDialog;
class DeckLibrary;
class DecksWindow;
class ImportDialog;
class MessageDialog;
class QAction;
class QActionGroup;
class QMenu;

class DeckActions : public QObject {
    Q_OBJECT
public:
    DeckActions(DeckLibrary& library, MessageDialog& messages, QObject* parent = nullptr);
    ~DeckActions() override;

    // Import sentences..., Add a sentence..., Decks... and the Play from submenu.
    void addTo(QMenu& menu);
    // The languages the import dialog offers besides French (BCP 47 names).
    void setLanguages(const QStringList& languages) { m_languages = languages; }
    // The deck now playing, ticked in Play from; empty: the built-in sentences.
    void setPlaying(const QString& name);

    // Asks for a file, then shows the import dialog with its preview.
    void chooseFileToImport();
    // The import dialog for this file (a file dropped on the bar, a deck imported again).
    void importFile(const QString& path, const QString& deckName = {});
    void showAddSentence();
    void showDecks();

    QAction* action(const char* name) const;
    QMenu* playFromMenu() const { return m_playFrom; }

signals:
    // The learner chose what the bar plays: a deck's name, or empty for the built-in sentences.
    void playRequested(const QString& name);
    void openFolderRequested(const QString& folder);

private:
    QAction* add(const char* name, const QString& caption);
    void fillPlayFrom();
    template <class Window> void showWindow(QPointer<Window>& window);

    DeckLibrary& m_library;
    MessageDialog& m_messages;
    QStringList m_languages;
    QString m_playing;
    QList<QAction*> m_actions;
    QMenu* m_playFrom;
    QActionGroup* m_playGroup;
    QPointer<ImportDialog> m_import;
    QPointer<AddSentenceDialog> m_add;
    QPointer<DecksWindow> m_decks;
};
