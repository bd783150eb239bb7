#include "ui/decks/import_dialog.h"

#include "core/decks/deck_library.h"
#include "core/ports/message_dialog.h"
#include "ui/decks/deck_file_task.h"
#include "ui/decks/deck_languages.h"
#include "ui/widgets/dialog_font.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QThreadPool>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

ImportDialog::ImportDialog(DeckLibrary& library, MessageDialog& messages, QStringList languages,
                           QWidget* parent)
    : QDialog(parent), m_library(library), m_messages(messages) {
    setObjectName(QStringLiteral("ImportDialog"));
    setWindowTitle(tr("Import sentences"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFont(dialogFont());

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(buildReadingPage());
    m_pages->addWidget(buildChoicesPage());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    for (const QString& code : offeredLanguages(languages))
        m_language->addItem(languageName(code), code);

    connect(&m_watcher, &QFutureWatcher<DeckReadResult>::progressValueChanged, m_progress,
            &QProgressBar::setValue);
    connect(&m_watcher, &QFutureWatcher<DeckReadResult>::finished, this,
            &ImportDialog::onReadingFinished);
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 110, sizeHint().height());
}

ImportDialog::~ImportDialog() {
    // The reader looks at the cancel often, so this wait is short.
    m_reading.cancel();
    m_reading.waitForFinished();
}

QWidget* ImportDialog::buildReadingPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    m_readingLabel = new QLabel(page);
    m_progress = new QProgressBar(page);
    m_progress->setRange(0, 100);
    m_cancelButton = new QPushButton(tr("Cancel"), page);
    connect(m_cancelButton, &QPushButton::clicked, this, &ImportDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancelButton);
    layout->addStretch();
    layout->addWidget(m_readingLabel);
    layout->addWidget(m_progress);
    layout->addStretch();
    layout->addLayout(buttons);
    return page;
}

QWidget* ImportDialog::buildChoicesPage() {
    auto* page = new QWidget(this);
    m_fileLabel = new QLabel(page);
    m_fileLabel->setWordWrap(true);
    m_sentenceColumn = new QComboBox(page);
    m_translationColumn = new QComboBox(page);
    auto* columns = new QHBoxLayout;
    for (const auto& [caption, box] : {std::pair{tr("&Sentence to learn:"), m_sentenceColumn},
                                       std::pair{tr("&Translation:"), m_translationColumn}}) {
        auto* label = new QLabel(caption, page);
        label->setBuddy(box);
        columns->addWidget(label);
        columns->addWidget(box, 1);
    }

    m_preview = new QTableWidget(0, 2, page);
    m_preview->setHorizontalHeaderLabels({tr("Sentence"), tr("Translation")});
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_preview->verticalHeader()->setVisible(false);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionMode(QAbstractItemView::NoSelection);
    m_preview->setFocusPolicy(Qt::NoFocus);
    m_preview->setWordWrap(false);
    m_preview->setTextElideMode(Qt::ElideRight);
    m_preview->setMinimumHeight(m_preview->horizontalHeader()->sizeHint().height() +
                                m_preview->verticalHeader()->defaultSectionSize() * kPreviewRows +
                                2 * m_preview->frameWidth());

    m_deckName = new QLineEdit(page);
    m_nameNote = new QLabel(tr("A deck of this name exists: the import updates it and keeps "
                               "your marks on the sentences it still has."),
                            page);
    m_nameNote->setEnabled(false); // drawn as a quieter note
    m_nameNote->hide();
    m_language = new QComboBox(page);
    auto* deck = new QFormLayout;
    deck->addRow(tr("Deck &name:"), m_deckName);
    deck->addRow(tr("&Language:"), m_language);

    auto* buttons = new QDialogButtonBox(page);
    m_importButton = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    m_importButton->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::importDeck);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportDialog::reject);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(m_fileLabel);
    layout->addLayout(columns);
    layout->addWidget(new QLabel(tr("How the first sentences will play:"), page));
    layout->addWidget(m_preview, 1);
    layout->addLayout(deck);
    layout->addWidget(m_nameNote);
    layout->addWidget(buttons);

    for (QComboBox* box : {m_sentenceColumn, m_translationColumn})
        connect(box, &QComboBox::currentIndexChanged, this, [this] {
            refreshPreview();
            updateImportButton();
        });
    connect(m_deckName, &QLineEdit::textChanged, this, &ImportDialog::updateImportButton);
    return page;
}

void ImportDialog::openFile(const QString& path, const QString& deckName) {
    if (m_busy)
        return;
    m_path = path;
    m_requestedName = deckName;
    m_table.reset();
    m_cancelled = false;
    const QFileInfo info(path);
    if (info.size() > DeckLimits::kMaxFileBytes) {
        const qint64 megabyte = 1024 * 1024;
        refuse(tr("%1 is %2 MB; a file of sentences can be at most %3 MB.")
                   .arg(info.fileName(),
                        QLocale().toString((info.size() + megabyte - 1) / megabyte),
                        QLocale().toString(DeckLimits::kMaxFileBytes / megabyte)));
        emit readingFinished();
        return;
    }
    m_readingLabel->setText(tr("Reading %1…").arg(info.fileName()));
    m_progress->setValue(0);
    m_pages->setCurrentIndex(0);
    show();
    m_busy = true;
    // Qt Concurrent is left out of the Windows build of Qt; a promise on the pool does the same.
    auto promise = std::make_shared<QPromise<DeckReadResult>>();
    promise->start();
    m_reading = promise->future();
    QThreadPool::globalInstance()->start([promise, path] {
        readDeckFile(*promise, path);
        promise->finish();
    });
    m_watcher.setFuture(m_reading);
}

void ImportDialog::reject() {
    if (m_busy) {
        m_cancelled = true;
        m_reading.cancel();
    }
    QDialog::reject();
}

void ImportDialog::onReadingFinished() {
    const bool dropped = m_cancelled || m_reading.isCanceled() || m_reading.resultCount() == 0;
    if (!dropped) {
        DeckReadResult result = m_reading.takeResult();
        if (result.table) {
            m_table = std::move(result.table);
            showChoices(m_requestedName);
        } else if (!result.error.isEmpty()) {
            refuse(result.error);
        }
    }
    m_reading = {};
    m_busy = false;
    emit readingFinished();
}

void ImportDialog::showChoices(const QString& deckName) {
    const DeckTable& table = *m_table;
    const int columnCount = std::max({2, int(table.columnNames.size()), table.rows.widestLine()});
    const QSignalBlocker blockSentence(m_sentenceColumn);
    const QSignalBlocker blockTranslation(m_translationColumn);
    for (QComboBox* box : {m_sentenceColumn, m_translationColumn}) {
        box->clear();
        for (int i = 0; i < columnCount; ++i) {
            const QString name = i < table.columnNames.size() ? table.columnNames.at(i) : QString();
            box->addItem(name.isEmpty() ? tr("Column %1").arg(i + 1) : name);
        }
    }
    m_sentenceColumn->setCurrentIndex(std::clamp(table.sentenceColumn, 0, columnCount - 1));
    m_translationColumn->setCurrentIndex(std::clamp(table.translationColumn, 0, columnCount - 1));

    QString name = deckName;
    if (name.isEmpty())
        name = table.deckName.isEmpty() ? QFileInfo(m_path).completeBaseName() : table.deckName;
    m_deckName->setText(name);
    const int records = int(table.rows.size());
    const QString count =
        records == 1 ? tr("1 record") : tr("%1 records").arg(QLocale().toString(records));
    m_fileLabel->setText(
        tr("%1: %2 of %3, read as %4.")
            .arg(QFileInfo(m_path).fileName(), count, deckFormatName(table), table.encoding));
    refreshPreview();
    updateImportButton();
    m_pages->setCurrentIndex(1);
    m_sentenceColumn->setFocus();
}

void ImportDialog::refreshPreview() {
    if (!m_table)
        return;
    // A few rows more than shown, as some may be left out.
    const DeckDraft draft =
        draftDeck(firstRows(*m_table, kPreviewRows * 4), m_sentenceColumn->currentIndex(),
                  m_translationColumn->currentIndex());
    const int shown = std::min<int>(kPreviewRows, int(draft.sentences.size()));
    m_preview->setRowCount(shown);
    for (int row = 0; row < shown; ++row) {
        const DeckSentence& sentence = draft.sentences.at(row);
        for (const auto& [column, text] :
             {std::pair{0, sentence.sentence}, std::pair{1, sentence.translation}}) {
            auto* item = new QTableWidgetItem(text);
            item->setToolTip(text); // in full, where the cell is too narrow
            m_preview->setItem(row, column, item);
        }
    }
}

void ImportDialog::updateImportButton() {
    const QString name = m_deckName->text().trimmed();
    const bool sameColumn = m_sentenceColumn->currentIndex() == m_translationColumn->currentIndex();
    m_importButton->setEnabled(m_table && !name.isEmpty() && !sameColumn);
    m_importButton->setToolTip(sameColumn ? tr("Choose two different columns.") : QString());
    m_nameNote->setVisible(!name.isEmpty() && m_library.find(name));
}

void ImportDialog::importDeck() {
    if (!m_table || !m_importButton->isEnabled())
        return;
    const QString name = m_deckName->text().trimmed();
    const DeckDraft draft =
        draftDeck(*m_table, m_sentenceColumn->currentIndex(), m_translationColumn->currentIndex());
    if (draft.sentences.empty()) {
        m_messages.inform(windowTitle(), tr("No record of %1 has both a sentence and a "
                                            "translation in the chosen columns.")
                                             .arg(QFileInfo(m_path).fileName()));
        return;
    }
    const DeckInfo info{name, m_language->currentData().toString(),
                        QFileInfo(m_path).absoluteFilePath(), QDateTime::currentDateTimeUtc()};
    const DeckLibrary::Outcome outcome = m_library.importDeck(info, draft);
    if (!outcome.error.isEmpty()) {
        m_messages.inform(windowTitle(), outcome.error);
        return;
    }
    m_messages.inform(windowTitle(), importSummary(*m_table, draft, outcome.counts));
    accept();
    emit imported(name);
}

void ImportDialog::refuse(const QString& error) {
    m_messages.inform(tr("Import sentences"), error);
    QDialog::reject();
}
