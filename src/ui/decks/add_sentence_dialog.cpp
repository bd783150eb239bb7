#include "ui/decks/add_sentence_dialog.h"

#include "core/decks/deck_library.h"
#include "core/decks/deck_reader.h"
#include "core/ports/message_dialog.h"
#include "ui/widgets/dialog_font.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

AddSentenceDialog::AddSentenceDialog(DeckLibrary& library, MessageDialog& messages, QWidget* parent)
    : QDialog(parent), m_library(library), m_messages(messages) {
    setObjectName(QStringLiteral("AddSentenceDialog"));
    setWindowTitle(tr("Add a sentence"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFont(dialogFont());

    m_sentence = new QLineEdit(this);
    m_sentence->setPlaceholderText(tr("The sentence to learn, as it is spoken"));
    m_translation = new QLineEdit(this);
    m_translation->setPlaceholderText(tr("What it means"));
    for (QLineEdit* edit : {m_sentence, m_translation})
        edit->setMaxLength(DeckLimits::kMaxTextLength);
    m_deck = new QComboBox(this);
    m_deck->setEditable(true);
    m_deck->setInsertPolicy(QComboBox::NoInsert);
    m_deck->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_deck->addItem(DeckLibrary::kDefaultDeckName);
    for (const LoadedDeck& deck : library.decks())
        if (deck.damage.isEmpty() && m_deck->findText(deck.info.name, Qt::MatchFixedString) < 0)
            m_deck->addItem(deck.info.name);
    m_deck->setCurrentIndex(0);

    auto* form = new QFormLayout;
    form->addRow(tr("&Sentence:"), m_sentence);
    form->addRow(tr("&Translation:"), m_translation);
    form->addRow(tr("&Deck:"), m_deck);
    auto* buttons = new QDialogButtonBox(this);
    m_addButton = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    m_addButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &AddSentenceDialog::addSentence);
    connect(buttons, &QDialogButtonBox::rejected, this, &AddSentenceDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(buttons);

    for (QLineEdit* edit : {m_sentence, m_translation, m_deck->lineEdit()})
        connect(edit, &QLineEdit::textChanged, this, &AddSentenceDialog::updateAddButton);
    updateAddButton();
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 80, sizeHint().height());
}

void AddSentenceDialog::updateAddButton() {
    m_addButton->setEnabled(!m_sentence->text().trimmed().isEmpty() &&
                            !m_translation->text().trimmed().isEmpty() &&
                            !m_deck->currentText().trimmed().isEmpty());
}

void AddSentenceDialog::addSentence() {
    if (!m_addButton->isEnabled())
        return;
    const QString deckName = m_deck->currentText().trimmed();
    const QString sentence = cleanDeckField(m_sentence->text());
    const QString translation = cleanDeckField(m_translation->text());
    if (sentence.isEmpty() || translation.isEmpty()) {
        m_messages.inform(windowTitle(),
                          tr("Both the sentence and its translation need some text."));
        return;
    }
    const DeckLibrary::Outcome outcome = m_library.addSentence(deckName, sentence, translation);
    if (!outcome.error.isEmpty()) {
        m_messages.inform(windowTitle(), outcome.error);
        return;
    }
    accept();
    emit added(deckName);
}
