// Importing a file of sentences: the file is read on a worker thread behind a progress bar the
// learner can cancel; then a preview of the sentences as they will play, the choice of the
// sentence and translation columns, the deck's name and language, and the import itself.
#pragma once

#include "core/decks/deck_reader.h"

#include <QDialog>
#include <QFuture>
#include <QFutureWatcher>
#include <QStringList>
#include <optional>

class DeckLibrary;
class MessageDialog;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableWidget;

class ImportDialog : public QDialog {
    Q_OBJECT
public:
    // languages: BCP 47 names with a voice installed; French is offered first whatever they are.
    ImportDialog(DeckLibrary& library, MessageDialog& messages, QStringList languages,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

    // Shows the dialog and starts reading; deckName, when given, is the name the deck is
    // imported under (an import again keeps the deck's own name).
    void openFile(const QString& path, const QString& deckName = {});

    static constexpr int kPreviewRows = 8;

    QProgressBar* progressBar() const { return m_progress; }
    QPushButton* cancelButton() const { return m_cancelButton; }
    QTableWidget* preview() const { return m_preview; }
    QComboBox* sentenceColumnBox() const { return m_sentenceColumn; }
    QComboBox* translationColumnBox() const { return m_translationColumn; }
    QLineEdit* deckNameEdit() const { return m_deckName; }
    QComboBox* languageBox() const { return m_language; }
    QPushButton* importButton() const { return m_importButton; }

signals:
    // The reading ended: the choices are shown, or the file was refused, or the learner cancelled.
    void readingFinished();
    void imported(const QString& deckName);

protected:
    void reject() override;

private:
    QWidget* buildReadingPage();
    QWidget* buildChoicesPage();
    void onReadingFinished();
    void showChoices(const QString& deckName);
    void refreshPreview();
    void updateImportButton();
    void importDeck();
    void refuse(const QString& error);

    DeckLibrary& m_library;
    MessageDialog& m_messages;
    QString m_path;
    QString m_requestedName;
    std::optional<DeckTable> m_table;
    QFuture<DeckReadResult> m_reading;
    QFutureWatcher<DeckReadResult> m_watcher;
    bool m_busy = false; // from openFile() until the worker's end is handled here
    bool m_cancelled = false;

    QStackedWidget* m_pages = nullptr;
    QLabel* m_readingLabel = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancelButton = nullptr;
    QLabel* m_fileLabel = nullptr;
    QTableWidget* m_preview = nullptr;
    QComboBox* m_sentenceColumn = nullptr;
    QComboBox* m_translationColumn = nullptr;
    QLineEdit* m_deckName = nullptr;
    QLabel* m_nameNote = nullptr;
    QComboBox* m_language = nullptr;
    QPushButton* m_importButton = nullptr;
};
