#include "ui/decks/deck_actions.h"

#include "core/decks/deck_library.h"
#include "ui/decks/add_sentence_dialog.h"
#include "ui/decks/decks_window.h"
#include "ui/decks/import_dialog.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDialog>
#include <QMenu>
#include <QStandardPaths>

DeckActions::DeckActions(DeckLibrary& library, MessageDialog& messages, QObject* parent)
    : QObject(parent), m_library(library), m_messages(messages),
      m_playFrom(new QMenu(tr("Pla&y from"))), m_playGroup(new QActionGroup(this)) {
    m_playFrom->setObjectName(QStringLiteral("playFromMenu"));
    m_playGroup->setExclusive(true);
    connect(add("importSentences", tr("I&mport sentences...")), &QAction::triggered, this,
            &DeckActions::chooseFileToImport);
    connect(add("addSentence", tr("Add a s&entence...")), &QAction::triggered, this,
            &DeckActions::showAddSentence);
    connect(add("manageDecks", tr("De&cks...")), &QAction::triggered, this,
            &DeckActions::showDecks);
    connect(&library, &DeckLibrary::decksChanged, this, &DeckActions::fillPlayFrom);
    fillPlayFrom();
}

DeckActions::~DeckActions() {
    delete m_import;
    delete m_add;
    delete m_decks;
    delete m_playFrom;
}

QAction* DeckActions::add(const char* name, const QString& caption) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    m_actions << action;
    return action;
}

QAction* DeckActions::action(const char* name) const {
    for (QAction* action : m_actions)
        if (action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}

void DeckActions::addTo(QMenu& menu) {
    menu.addSeparator();
    for (QAction* action : std::as_const(m_actions))
        menu.addAction(action);
    menu.addMenu(m_playFrom);
}

void DeckActions::setPlaying(const QString& name) {
    m_playing = name;
    for (QAction* action : m_playGroup->actions())
        action->setChecked(action->data().toString().compare(name, Qt::CaseInsensitive) == 0);
}

// The built-in sentences first, then each deck that can play; the one playing ticked. The old
// entries go later: this may run from one of their own handlers.
void DeckActions::fillPlayFrom() {
    for (QAction* action : m_playFrom->actions()) {
        m_playFrom->removeAction(action);
        m_playGroup->removeAction(action);
        action->deleteLater();
    }
    const auto entry = [this](const QString& caption, const QString& name, bool enabled) {
        auto* action = new QAction(caption, m_playFrom);
        action->setData(name);
        action->setCheckable(true);
        action->setEnabled(enabled);
        m_playFrom->addAction(action);
        m_playGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, name] { emit playRequested(name); });
    };
    entry(tr("The built-in sentences"), QString(), true);
    if (!m_library.decks().empty())
        m_playFrom->addSeparator();
    for (const LoadedDeck& deck : m_library.decks())
        entry(deck.info.name, deck.info.name, deck.damage.isEmpty() && !deck.sentences.empty());
    setPlaying(m_playing);
}

void DeckActions::chooseFileToImport() {
    const QString path = QFileDialog::getOpenFileName(
        nullptr, tr("Import sentences"),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        tr("Sentence files (*.txt *.csv *.tsv *.tab);;All files (*)"));
    if (!path.isEmpty())
        importFile(path);
}

template <class Window> void DeckActions::showWindow(QPointer<Window>& window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->raise();
    window->activateWindow();
}

void DeckActions::importFile(const QString& path, const QString& deckName) {
    // One import at a time: a second file replaces a dialog still showing its preview.
    delete m_import;
    m_import = new ImportDialog(m_library, m_messages, m_languages);
    connect(m_import, &ImportDialog::imported, this, [this](const QString& name) {
        // What the learner brought it for: it plays at once (a deck already playing goes on).
        if (name.compare(m_playing, Qt::CaseInsensitive) != 0)
            emit playRequested(name);
    });
    showWindow(m_import);
    m_import->openFile(path, deckName);
}

void DeckActions::showAddSentence() {
    if (!m_add)
        m_add = new AddSentenceDialog(m_library, m_messages);
    showWindow(m_add);
}

void DeckActions::showDecks() {
    if (!m_decks) {
        m_decks = new DecksWindow(m_library, m_messages);
        connect(m_decks, &DecksWindow::importAgainRequested, this,
                [this](const QString& path, const QString& name) { importFile(path, name); });
        connect(m_decks, &DecksWindow::openFolderRequested, this,
                &DeckActions::openFolderRequested);
    }
    showWindow(m_decks);
}
