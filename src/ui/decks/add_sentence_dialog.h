// Typing in one sentence and its translation, into a deck of the learner's choice (made when it
// does not exist yet).
#pragma once

#include <QDialog>

class DeckLibrary;
class MessageDialog;
class QComboBox;
class QLineEdit;
class QPushButton;

class AddSentenceDialog : public QDialog {
    Q_OBJECT
public:
    AddSentenceDialog(DeckLibrary& library, MessageDialog& messages, QWidget* parent = nullptr);

    QLineEdit* sentenceEdit() const { return m_sentence; }
    QLineEdit* translationEdit() const { return m_translation; }
    QComboBox* deckBox() const { return m_deck; }
    QPushButton* addButton() const { return m_addButton; }

signals:
    void added(const QString& deckName);

private:
    void updateAddButton();
    void addSentence();

    DeckLibrary& m_library;
    MessageDialog& m_messages;
    QLineEdit* m_sentence = nullptr;
    QLineEdit* m_translation = nullptr;
    QComboBox* m_deck = nullptr;
    QPushButton* m_addButton = nullptr;
};
