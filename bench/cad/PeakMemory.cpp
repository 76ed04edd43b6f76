#include "PeakMemory.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

double peakMegabytesInChild(const std::function<void()>& work) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return -1;
    const pid_t child = fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        close(pipeEnds[0]);
        work();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const double megabytes = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB
        (void)!write(pipeEnds[1], &megabytes, sizeof megabytes);
        _exit(0);
    }
    close(pipeEnds[1]);
    double megabytes = -1;
    if (read(pipeEnds[0], &megabytes, sizeof megabytes) != sizeof megabytes)
        megabytes = -1;
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return megabytes;
}
