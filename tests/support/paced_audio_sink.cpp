// A stand-in sound card for end-to-end runs: reads raw audio from a FIFO no faster than a real
// card would play it, and appends it to a file. With ALSA's file plugin writing into the FIFO,
// a sentence then takes as long to "play" as it would aloud.
//   paced_audio_sink FIFO FILE BYTES_PER_SECOND
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
        const auto start = Clock::now();
        double read = 0;
        char chunk[2048];
        for (ssize_t n; (n = ::read(fifo, chunk, sizeof chunk)) > 0;) {
            std::fwrite(chunk, 1, static_cast<size_t>(n), sink);
            std::fflush(sink);
            read += static_cast<double>(n);
            std::this_thread::sleep_until(start +
                                          std::chrono::duration<double>(read / bytesPerSecond));
        }
        close(fifo);
    }
}
