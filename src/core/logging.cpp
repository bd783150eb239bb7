#include "core/logging.h"

#include <cstdio>
#include <cstdlib>

Q_LOGGING_CATEGORY(lcSettings, "dorvane.settings")
Q_LOGGING_CATEGORY(lcLearning, "dorvane.learning")
Q_LOGGING_CATEGORY(lcDesktop, "dorvane.desktop")
Q_LOGGING_CATEGORY(lcInstance, "dorvane.instance")
Q_LOGGING_CATEGORY(lcSpeech, "dorvane.speech")

namespace {

void writeLine(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArray category = context.category ? context.category : "default";
    QByteArray prefix;
    if (category == "dorvane.speech")
        prefix = "speech: ";
    else if (category.startsWith("dorvane."))
        prefix = "dorvane: ";
    else if (category != "default")
        prefix = category + ": "; // Qt's own categories, as Qt writes them
    const QByteArray line = prefix + message.toLocal8Bit() + '\n';
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

void installDiagnosticsOutput() {
    qInstallMessageHandler(writeLine);
}
