// Signals that end the process reach the program as one request on its own thread, and the
// handlers go away with the object.
#include "platform/end_requests.h"

#include <QCoreApplication>
#include <csignal>
#include <gtest/gtest.h>

namespace {

void deliverEvents() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

TEST(EndRequests, eachEndingSignalBecomesOneRequestAndTheOldHandlersComeBack) {
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        SCOPED_TRACE(signal);
        struct sigaction before {};
        sigaction(signal, nullptr, &before);
        {
            EndRequests requests;
            int asked = 0;
            QObject::connect(&requests, &EndRequests::endRequested, [&] { ++asked; });
            std::raise(signal);
            EXPECT_EQ(asked, 0) << "nothing runs inside the signal handler";
            deliverEvents();
            EXPECT_EQ(asked, 1);
            EXPECT_EQ(requests.lastSignal(), signal);

            std::raise(signal); // a second signal while the first is being handled
            deliverEvents();
            EXPECT_EQ(asked, 1) << "the program ends once";
        }
        struct sigaction after {};
        sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
}

} // namespace
