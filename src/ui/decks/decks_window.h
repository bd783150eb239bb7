// The learner's decks in one table, with what can be done to each: rename, delete, import its
// file again, open the folder they live in.
#pragma once

#include <QDialog>

class DeckLibrary;
class MessageDialog;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
struct LoadedDeck;

class DecksWindow : public QDialog {
    Q_OBJECT
public:
    DecksWindow(DeckLibrary& library, MessageDialog& messages, QWidget* parent = nullptr);

    enum Column { Name, Language, Sentences, Known, Source, Updated, Problem, ColumnCount };

    QTableWidget* table() const { return m_table; }
    QPushButton* renameButton() const { return m_renameButton; }
    QPushButton* deleteButton() const { return m_deleteButton; }
    QPushButton* importAgainButton() const { return m_importAgainButton; }
    QPushButton* openFolderButton() const { return m_openFolderButton; }

    // Lists the library's decks again, keeping the chosen one.
    void refresh();
    // Chooses the deck of that name; false when it is not listed.
    bool selectDeck(const QString& name);

signals:
    void importAgainRequested(const QString& sourcePath, const QString& deckName);
    void openFolderRequested(const QString& folder);

private:
    const LoadedDeck* selectedDeck() const;
    void fillRow(int row, const LoadedDeck& deck);
    void updateButtons();
    void startRename();
    void onItemChanged(QTableWidgetItem* item);
    void deleteDeck();
    void importAgain();

    DeckLibrary& m_library;
    MessageDialog& m_messages;
    QTableWidget* m_table = nullptr;
    QPushButton* m_renameButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_importAgainButton = nullptr;
    QPushButton* m_openFolderButton = nullptr;
};
