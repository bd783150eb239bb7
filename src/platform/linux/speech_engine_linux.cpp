// Linux: Qt's engine, which talks to speech-dispatcher.
#include "platform/qt_speech_engine.h"
#include "platform/speech_engine_choice.h"

std::unique_ptr<SpeechEngine> makeSpeechEngine() {
    return std::make_unique<QtSpeechEngine>();
}
