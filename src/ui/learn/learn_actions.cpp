#include "ui/learn/learn_actions.h"

#include "core/learning/learner_commands.h"
#include "core/learning/learning_modes.h"
#include "core/playback/snooze.h"
#include "core/playback/step_aside.h"
#include "core/ports/message_dialog.h"
#include "core/review/review_coordinator.h"
#include "core/settings/product.h"
#include "ui/decks/deck_actions.h"
#include "ui/learn/voice_menu.h"

#include <QAction>
#include <QMenu>

LearnActions::LearnActions(LearnerCommands& commands, LearningModes& modes, MessageDialog& messages,
                           QObject* parent)
    : QObject(parent), m_commands(commands), m_modes(modes), m_messages(messages) {
    // The menu's own order: what plays the sentences, the marks and modes, then Progress...
    for (const LearnerCommand id :
         {LearnerCommand::TogglePause, LearnerCommand::Replay, LearnerCommand::ReplaySlowly,
          LearnerCommand::Previous, LearnerCommand::Next, LearnerCommand::OtherLanguage})
        addCommand(id);
    m_actions << nullptr;
    addCommand(LearnerCommand::Known);
    addCommand(LearnerCommand::Hard);
    QAction* listen = add("listenFirst", tr("&Listen first"));
    listen->setCheckable(true);
    connect(listen, &QAction::toggled, &modes, &LearningModes::setListenFirst);
    QAction* hide = add("hideTranslation", tr("&Hide the translation"));
    hide->setCheckable(true);
    connect(hide, &QAction::toggled, &modes, &LearningModes::setTranslationHidden);
    connect(add("forgetTopic", tr("&Forget the sentences I know in this topic...")),
            &QAction::triggered, this, &LearnActions::forgetChosenTopic);
    addCommand(LearnerCommand::Progress);

    followPause(commands.paused());
    connect(&commands, &LearnerCommands::pausedChanged, this, &LearnActions::followPause);
    connect(&modes, &LearningModes::changed, this, &LearnActions::refresh);
    refresh();
}

LearnActions::~LearnActions() {
    delete m_voiceMenu;
    delete m_snoozeMenu;
}

void LearnActions::addBarAway(Snooze& snooze, StepAside& stepAside) {
    m_actions << nullptr;
    m_snoozeMenu = new QMenu(tr("Snoo&ze"));
    m_snoozeMenu->menuAction()->setObjectName(QStringLiteral("snooze"));
    const std::pair<const char*, int> spans[] = {{"snooze15", 15}, {"snooze60", 60}};
    const QString captions[] = {tr("&15 minutes"), tr("&1 hour")};
    for (int i = 0; i < 2; ++i) {
        QAction* span = m_snoozeMenu->addAction(captions[i]);
        span->setObjectName(QLatin1String(spans[i].first));
        connect(span, &QAction::triggered, &snooze,
                [&snooze, minutes = spans[i].second] { snooze.snoozeFor(minutes); });
    }
    QAction* tomorrow = m_snoozeMenu->addAction(tr("Until &tomorrow"));
    tomorrow->setObjectName(QStringLiteral("snoozeTomorrow"));
    connect(tomorrow, &QAction::triggered, &snooze, &Snooze::snoozeUntilTomorrow);
    m_actions << m_snoozeMenu->menuAction();
    addCommand(LearnerCommand::Wake);
    connect(&snooze, &Snooze::changed, this, &LearnActions::followSnooze);
    followSnooze(snooze.snoozed());

    QAction* aside = add("stepAside", tr("Step &aside for full-screen windows"));
    aside->setCheckable(true);
    aside->setChecked(stepAside.enabled());
    connect(aside, &QAction::toggled, &stepAside, &StepAside::setEnabled);
    connect(&stepAside, &StepAside::enabledChanged, aside, &QAction::setChecked);
}

void LearnActions::addReview(ReviewCoordinator& review) {
    m_review = &review;
    auto* entry = new QAction(this);
    entry->setObjectName(QStringLiteral("reviewDue"));
    entry->setCheckable(true);
    m_actions.insert(m_actions.indexOf(action(LearnerCommand::Hard)) + 1, entry);
    followReview();
    connect(entry, &QAction::toggled, &review, &ReviewCoordinator::setEnabled);
    connect(&review, &ReviewCoordinator::changed, this, &LearnActions::followReview);
}

// The count is the one of what plays now: the deck playing, or the built-in sentences.
void LearnActions::followReview() {
    if (!m_review)
        return;
    QAction* entry = action("reviewDue");
    const int due = m_review->dueCount();
    // No letter of "This one is hard" is free in the menu; its key is Ctrl+Alt+H.
    entry->setText(tr("Review what i&s due (%1)").arg(due));
    if (entry->isChecked() != m_review->enabled())
        entry->setChecked(m_review->enabled());
}

// Only one of the two shows: there is nothing to wake from, or nothing more to snooze.
void LearnActions::followSnooze(bool snoozed) {
    m_snoozeMenu->menuAction()->setVisible(!snoozed);
    action(LearnerCommand::Wake)->setVisible(snoozed);
}

QAction* LearnActions::add(const char* name, const QString& caption, const char* desktopKey) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    if (desktopKey) {
        // Shown as a hint only: the desktop-wide key itself is grabbed elsewhere.
        action->setShortcut(QKeySequence(QLatin1String(desktopKey)));
        action->setShortcutContext(Qt::WidgetShortcut);
    }
    m_actions << action;
    return action;
}

void LearnActions::addCommand(LearnerCommand id) {
    const LearnerCommandRow& row = learnerCommand(id);
    connect(add(row.menuEntry, tr(row.menuCaption), row.desktopKey), &QAction::triggered,
            &m_commands, [this, id] { m_commands.run(id); });
}

QAction* LearnActions::action(LearnerCommand id) const {
    return action(learnerCommand(id).menuEntry);
}

QAction* LearnActions::action(const char* name) const {
    for (QAction* action : m_actions)
        if (action && action->objectName() == QLatin1String(name))
            return action;
    return nullptr;
}

void LearnActions::addTo(QMenu& menu) {
    for (QAction* action : m_actions) {
        if (action)
            menu.addAction(action);
        else
            menu.addSeparator();
    }
    if (!m_entries.isEmpty()) {
        menu.addSeparator();
        menu.addActions(m_entries);
    }
    if (m_decks)
        m_decks->addTo(menu);
    if (m_voiceMenu)
        menu.addMenu(m_voiceMenu);
    m_menus << &menu;
    // The chosen topic may have changed in the settings dialog since the menu last showed.
    connect(&menu, &QMenu::aboutToShow, this, &LearnActions::refresh);
}

void LearnActions::setDeckActions(DeckActions* decks) {
    // Set before any menu is made, so the decks come before the Voice submenu everywhere.
    Q_ASSERT(m_menus.isEmpty());
    m_decks = decks;
}

void LearnActions::setVoices(VoiceChoice* voices) {
    if (!voices || m_voiceMenu)
        return;
    m_voiceMenu = new VoiceMenu(*voices);
    for (QMenu* menu : std::as_const(m_menus))
        if (menu)
            menu->addMenu(m_voiceMenu);
}

void LearnActions::addEntries(const QList<QAction*>& entries) {
    for (QMenu* menu : std::as_const(m_menus))
        if (menu) {
            menu->addSeparator();
            menu->addActions(entries);
        }
    m_entries << entries;
}

void LearnActions::followPause(bool paused) {
    const LearnerCommand next = paused ? LearnerCommand::Resume : LearnerCommand::TogglePause;
    action(LearnerCommand::TogglePause)->setText(tr(learnerCommand(next).menuCaption));
    // Playing, the other language is there only to reveal a hidden translation.
    action(LearnerCommand::OtherLanguage)->setEnabled(paused || m_modes.translationHidden());
}

// Kept in step with what may have changed elsewhere: the mode, the marks, the chosen topic.
void LearnActions::refresh() {
    const std::pair<const char*, bool> toggles[] = {
        {"listenFirst", m_modes.listenFirst()}, {"hideTranslation", m_modes.translationHidden()}};
    for (const auto& [name, on] : toggles)
        if (action(name)->isChecked() != on)
            action(name)->setChecked(on);
    followPause(m_commands.paused());
    action("forgetTopic")->setEnabled(m_modes.knownInChosenTopic() > 0);
    followReview();
}

// Marks cannot come back once forgotten: the learner says yes to the exact loss first.
void LearnActions::forgetChosenTopic() {
    const int marks = m_modes.knownInChosenTopic();
    if (marks == 0)
        return;
    const QString topic = m_modes.chosenTopicName();
    const QString question =
        marks == 1 ? tr("Forget the sentence you know in %1?").arg(topic)
                   : tr("Forget the %1 sentences you know in %2?").arg(marks).arg(topic);
    if (m_messages.confirm(QString::fromLatin1(Product::kTitle), question))
        m_modes.forgetChosenTopic();
}
