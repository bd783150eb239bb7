// The learner's commands and modes as menu entries, made once: the tray menu and the bar menu's
// Learn submenu show these same actions, so the two can never differ. Each entry shows its
// desktop-wide key. The commands' captions and keys are their rows in learner_command_table.h.
#pragma once

#include "core/learning/learner_command_table.h"

#include <QObject>
#include <QPointer>

class DeckActions;
class LearnerCommands;
class LearningModes;
class MessageDialog;
class QAction;
class QMenu;
class ReviewCoordinator;
class Snooze;
class StepAside;
class VoiceChoice;
class VoiceMenu;

class LearnActions : public QObject {
    Q_OBJECT
public:
    LearnActions(LearnerCommands& commands, LearningModes& modes, MessageDialog& messages,
                 QObject* parent = nullptr);
    ~LearnActions() override;

    // Pause/Resume, Replay, Replay slowly, Previous, Next, Show the other language, I know this
    // one, This one is hard, (once added) Review what is due, Listen first, Hide the translation,
    // Forget..., Progress..., then, once added, Snooze (or Wake up) and Step aside, the entries
    // added (how the bar sits), the decks' entries and, once set, the Voice submenu; in that order.
    void addTo(QMenu& menu);
    // The learner's decks' entries, after the modes; without them there are none.
    void setDeckActions(DeckActions* decks);
    // The voices to choose from; without them there is no Voice submenu.
    void setVoices(VoiceChoice* voices);
    // The Snooze submenu (or, while snoozed, Wake up) and Step aside for full-screen windows,
    // after Progress...; made before addTo().
    void addBarAway(Snooze& snooze, StepAside& stepAside);
    QMenu* snoozeMenu() const { return m_snoozeMenu; }
    // The switch that plays what is due first, with how many are due now, after This one is
    // hard; made before addTo().
    void addReview(ReviewCoordinator& review);
    // Entries of other parts of the program (how the bar sits), after a separator, in every
    // menu these actions are in and will be.
    void addEntries(const QList<QAction*>& entries);

    QAction* action(const char* name) const;
    QAction* action(LearnerCommand id) const;

private:
    void addCommand(LearnerCommand id);
    QAction* add(const char* name, const QString& caption, const char* desktopKey = nullptr);
    void followPause(bool paused);
    void followSnooze(bool snoozed);
    void forgetChosenTopic();
    void refresh();
    void followReview();

    LearnerCommands& m_commands;
    LearningModes& m_modes;
    MessageDialog& m_messages;
    QList<QAction*> m_actions;
    QList<QPointer<QMenu>> m_menus;
    VoiceMenu* m_voiceMenu = nullptr;
    DeckActions* m_decks = nullptr;
    QMenu* m_snoozeMenu = nullptr;
    ReviewCoordinator* m_review = nullptr;
    QList<QAction*> m_entries;
};
