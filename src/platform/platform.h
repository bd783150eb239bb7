// Every service of the operating system the program uses, handed to it at start.
#pragma once

class CharacterLoader;
class AutoStart;
class DeckStorage;
class MessageDialog;
class RecordFiles;
class SettingsStore;
class Shell;
class WindowSystem;

struct Platform {
    SettingsStore& store;
    WindowSystem& windows;
    MessageDialog& messages;
    CharacterLoader& characters; // loads the speaking character
    Shell& shell;
    AutoStart& autoStart;
    DeckStorage& decks;   // the folder of the learner's own decks
    RecordFiles& records; // the review schedule, its log, the minutes played
};
