#include "ui/decks/decks_window.h"

#include "core/decks/deck_library.h"
#include "core/ports/message_dialog.h"
#include "ui/decks/deck_languages.h"
#include "ui/widgets/dialog_font.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kNameRole = Qt::UserRole; // the deck's name as stored, to rename from

int knownCount(const LoadedDeck& deck) {
    int count = 0;
    for (size_t i = 0; i < deck.sentences.size() && !deck.progress.known.isEmpty(); ++i)
        count += deck.progress.known.contains(deck.sentences.key(i)) ? 1 : 0;
    return count;
}

} // namespace

DecksWindow::DecksWindow(DeckLibrary& library, MessageDialog& messages, QWidget* parent)
    : QDialog(parent), m_library(library), m_messages(messages) {
    setObjectName(QStringLiteral("DecksWindow"));
    setWindowTitle(tr("Decks"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/dialog-16.png")));
    setFont(dialogFont());

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Language"), tr("Sentences"), tr("Known"),
                                        tr("Source"), tr("Updated"), tr("Problem")});
    m_table->verticalHeader()->setVisible(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_table->setAlternatingRowColors(true);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_renameButton = new QPushButton(tr("&Rename…"), this);
    m_deleteButton = new QPushButton(tr("&Delete…"), this);
    m_importAgainButton = new QPushButton(tr("&Import again"), this);
    m_openFolderButton = new QPushButton(tr("Open &folder"), this);
    m_openFolderButton->setToolTip(QDir::toNativeSeparators(library.folder()));
    auto* closeButton = new QPushButton(tr("Close"), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {m_renameButton, m_deleteButton, m_importAgainButton})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_openFolderButton);
    buttons->addWidget(closeButton);

    auto* hint = new QLabel(tr("Double-click a name to rename the deck."), this);
    hint->setEnabled(false);
    auto* left = new QVBoxLayout;
    left->addWidget(m_table, 1);
    left->addWidget(hint);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_renameButton, &QPushButton::clicked, this, &DecksWindow::startRename);
    connect(m_deleteButton, &QPushButton::clicked, this, &DecksWindow::deleteDeck);
    connect(m_importAgainButton, &QPushButton::clicked, this, &DecksWindow::importAgain);
    connect(m_openFolderButton, &QPushButton::clicked, this,
            [this] { emit openFolderRequested(m_library.folder()); });
    connect(closeButton, &QPushButton::clicked, this, &DecksWindow::close);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, &DecksWindow::updateButtons);
    connect(m_table, &QTableWidget::itemChanged, this, &DecksWindow::onItemChanged);
    connect(&library, &DeckLibrary::decksChanged, this, &DecksWindow::refresh);
    refresh();
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 120, metrics.lineSpacing() * 24);
}

void DecksWindow::refresh() {
    const LoadedDeck* chosen = selectedDeck();
    const QString chosenName = chosen ? chosen->info.name : QString();
    const std::vector<LoadedDeck>& decks = m_library.decks();
    {
        // The rows are updated in place: a rename refreshes from inside the edited item's signal.
        const QSignalBlocker blocker(m_table);
        m_table->setRowCount(int(decks.size()));
        bool damaged = false;
        for (int row = 0; row < int(decks.size()); ++row) {
            fillRow(row, decks[row]);
            damaged = damaged || !decks[row].damage.isEmpty();
        }
        m_table->setColumnHidden(Problem, !damaged);
    }
    if (!selectDeck(chosenName) && m_table->rowCount() > 0)
        m_table->selectRow(0);
    updateButtons();
}

void DecksWindow::fillRow(int row, const LoadedDeck& deck) {
    const auto cell = [&](int column, const QString& text, bool number = false) {
        QTableWidgetItem* item = m_table->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            m_table->setItem(row, column, item);
        }
        item->setText(text);
        item->setToolTip(QString());
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        if (number)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return item;
    };
    const QLocale locale;
    const bool damaged = !deck.damage.isEmpty();
    QTableWidgetItem* name = cell(Name, deck.info.name);
    name->setData(kNameRole, deck.info.name);
    name->setIcon(damaged ? style()->standardIcon(QStyle::SP_MessageBoxWarning) : QIcon());
    if (!damaged)
        name->setFlags(name->flags() | Qt::ItemIsEditable);
    cell(Language, languageName(deck.info.language));
    // A damaged deck's files were not read: no counts to show.
    cell(Sentences, damaged ? QString() : locale.toString(qint64(deck.sentences.size())), true);
    cell(Known, damaged ? QString() : locale.toString(knownCount(deck)), true);
    const QString source = deck.info.source;
    cell(Source, source.isEmpty() ? tr("typed in") : QFileInfo(source).fileName())
        ->setToolTip(QDir::toNativeSeparators(source));
    cell(Updated, deck.info.updated.isValid()
                      ? locale.toString(deck.info.updated.toLocalTime(), QLocale::ShortFormat)
                      : QString());
    cell(Problem, deck.damage)->setToolTip(deck.damage);
    if (damaged)
        name->setToolTip(deck.damage);
}

bool DecksWindow::selectDeck(const QString& name) {
    for (int row = 0; row < m_table->rowCount(); ++row)
        if (m_table->item(row, Name)->data(kNameRole).toString() == name) {
            m_table->selectRow(row);
            return true;
        }
    return false;
}

const LoadedDeck* DecksWindow::selectedDeck() const {
    const QList<QTableWidgetItem*> items = m_table->selectedItems();
    if (items.isEmpty())
        return nullptr;
    const QTableWidgetItem* name = m_table->item(items.first()->row(), Name);
    return name ? m_library.find(name->data(kNameRole).toString()) : nullptr;
}

void DecksWindow::updateButtons() {
    const LoadedDeck* deck = selectedDeck();
    m_renameButton->setEnabled(deck && deck->damage.isEmpty());
    m_deleteButton->setEnabled(deck);
    QString why;
    if (!deck)
        why = tr("Choose a deck first.");
    else if (deck->info.source.isEmpty())
        why = tr("This deck was typed in: there is no file to read again.");
    else if (!QFileInfo::exists(deck->info.source))
        why = tr("%1 is no longer there.").arg(QDir::toNativeSeparators(deck->info.source));
    m_importAgainButton->setEnabled(why.isEmpty());
    m_importAgainButton->setToolTip(
        why.isEmpty() ? tr("Read %1 again; your marks stay on the sentences it still has.")
                            .arg(QDir::toNativeSeparators(deck->info.source))
                      : why);
}

void DecksWindow::startRename() {
    const QList<QTableWidgetItem*> items = m_table->selectedItems();
    if (items.isEmpty())
        return;
    QTableWidgetItem* name = m_table->item(items.first()->row(), Name);
    m_table->setCurrentItem(name);
    m_table->editItem(name);
}

void DecksWindow::onItemChanged(QTableWidgetItem* item) {
    if (item->column() != Name)
        return;
    const QString oldName = item->data(kNameRole).toString();
    const QString newName = item->text().trimmed();
    if (newName.isEmpty() || newName == oldName) {
        const QSignalBlocker blocker(m_table);
        item->setText(oldName);
        return;
    }
    const QString error = m_library.rename(oldName, newName);
    if (!error.isEmpty()) {
        {
            const QSignalBlocker blocker(m_table);
            item->setText(oldName);
        }
        m_messages.inform(tr("Rename deck"), error);
        return;
    }
    refresh();
    selectDeck(newName);
}

void DecksWindow::deleteDeck() {
    const LoadedDeck* deck = selectedDeck();
    if (!deck)
        return;
    const QString name = deck->info.name;
    if (!m_messages.confirm(tr("Delete deck"),
                            tr("Move the deck \"%1\" and its marks to the trash?").arg(name)))
        return;
    const QString error = m_library.remove(name);
    if (!error.isEmpty())
        m_messages.inform(tr("Delete deck"), error);
}

void DecksWindow::importAgain() {
    if (const LoadedDeck* deck = selectedDeck(); deck && !deck->info.source.isEmpty())
        emit importAgainRequested(deck->info.source, deck->info.name);
}
