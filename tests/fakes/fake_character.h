// A speaking character that records what it is asked, and can be made to fail every call.
#pragma once

#include "core/playback/speaking_character.h"

#include <QStringList>

class FakeCharacter : public SpeakingCharacter {
public:
    CharacterResult show() override {
        visible = true;
        return record("Show");
    }
    CharacterResult hide() override {
        visible = false;
        return record("Hide");
    }
    CharacterResult speak(const QString& text) override { return record("Speak:" + text); }
    CharacterResult speakWithoutBalloon(const QString& text) override {
        return record("Listen:" + text);
    }
    bool isSpeaking() const override { return speaking; }
    CharacterResult speakSlowly(const QString& text) override {
        return record("SpeakSlowly:" + text);
    }
    CharacterResult stop() override { return record("Stop"); }
    CharacterResult play(const QString& animation) override { return record("Play:" + animation); }
    CharacterResult setLanguage(QLocale::Language language) override {
        m_language = language;
        return record("Language:" + QLocale::languageToString(language));
    }
    QLocale::Language language() const override { return m_language; }
    bool isVisible() const override { return visible; }
    void keepClearOf(const QRect& area) override { clearOf = area; }

    QStringList calls;
    QString failure;       // when set, every call fails with it
    bool speaking = false; // what isSpeaking() answers
    bool visible = true;
    QRect clearOf;

private:
    CharacterResult record(const QString& call) {
        calls << call;
        return {failure};
    }
    QLocale::Language m_language = QLocale::AnyLanguage;
};

class FakeCharacterLoader : public CharacterLoader {
public:
    CharacterResult load(const QString& name) override {
        loaded = name == "Peedy";
        return loaded ? CharacterResult{} : CharacterResult{"no such character"};
    }
    SpeakingCharacter* character(const QString& name) override {
        return loaded && name == "Peedy" ? &peedy : nullptr;
    }

    FakeCharacter peedy;
    bool loaded = false;
};
