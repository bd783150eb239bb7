// The text-to-speech engine for this system: Qt's on Linux; on Windows SAPI itself
// (windows/sapi_speech_engine.h), or Qt's where SAPI is not registered.
#pragma once

#include "core/ports/speech_engine.h"

#include <memory>

std::unique_ptr<SpeechEngine> makeSpeechEngine();
