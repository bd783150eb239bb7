// A stand-in sound card for end-to-end runs: reads raw audio from a FIFO no faster than a real
// card would play it, and appends it to a file. With ALSA's file plugin writing into the FIFO,
// a sentence then takes as long to "play" as it would aloud. The writer may keep the FIFO open
// from one sentence to the next, so every chunk is paced against the clock: after a silence
// the next sound takes its own time again.
//   paced_audio_sink FIFO FILE BYTES_PER_SECOND
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 4)
        return 2;
    const double bytesPerSecond = std::atof(argv[3]);
    FILE* sink = std::fopen(argv[2], "ab");
    if (!sink || bytesPerSecond <= 0)
        return 2;
    using Clock = std::chrono::steady_clock;
    for (;;) { // one opening per utterance
        const int fifo = open(argv[1], O_RDONLY);
        if (fifo < 0)
            return 1;
#ifdef F_SETPIPE_SZ
        fcntl(fifo, F_SETPIPE_SZ, 4096); // a small buffer keeps the writer close to real time
#endif
        // When the last chunk read will have finished playing.
        auto playedUntil = Clock::now();
        char chunk[2048];
        for (ssize_t n; (n = ::read(fifo, chunk, sizeof chunk)) > 0;) {
            std::fwrite(chunk, 1, static_cast<size_t>(n), sink);
            std::fflush(sink);
            playedUntil = std::max(playedUntil, Clock::now()) +
                          std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(
                              static_cast<double>(n) / bytesPerSecond));
            std::this_thread::sleep_until(playedUntil);
        }
        close(fifo);
    }
}
