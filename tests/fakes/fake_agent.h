// A speaking character that records what it is asked, and can be made to fail every call.
#pragma once

#include "playback/agent.h"

#include <QStringList>

class FakeCharacter : public AgentCharacter {
public:
    AgentResult Show() override { return record("Show"); }
    AgentResult Hide() override { return record("Hide"); }
    AgentResult Speak(const QString& text) override { return record("Speak:" + text); }
    AgentResult SpeakWithoutBalloon(const QString& text) override {
        return record("Listen:" + text);
    }
    bool Speaking() const override { return speaking; }
    AgentResult SpeakSlowly(const QString& text) override { return record("SpeakSlowly:" + text); }
    AgentResult Stop() override { return record("Stop"); }
    AgentResult Play(const QString& animation) override { return record("Play:" + animation); }
    AgentResult setLanguageID(int languageId) override {
        language = languageId;
        return record("LanguageID:" + QString::number(languageId));
    }
    int LanguageID() const override { return language; }
    bool Visible() const override { return calls.lastIndexOf("Show") > calls.lastIndexOf("Hide"); }

    QStringList calls;
    QString failure; // when set, every call fails with it
    int language = 0;
    bool speaking = false; // what Speaking() answers

private:
    AgentResult record(const QString& call) {
        calls << call;
        return {failure};
    }
};

class FakeAgentControl : public AgentControl, public AgentCharacters {
public:
    AgentCharacters& Characters() override { return *this; }
    AgentResult Load(const QString& id, const QVariant&) override {
        loaded = id == "Peedy";
        return loaded ? AgentResult{} : AgentResult{"no such character"};
    }
    AgentCharacter* operator()(const QString& id) override {
        return loaded && id == "Peedy" ? &peedy : nullptr;
    }

    FakeCharacter peedy;
    bool loaded = false;
};
