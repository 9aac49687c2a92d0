// The folder where the targets that read by path write each input.
#pragma once

#include <sys/stat.h>

#include <string>

// /dev/shm when it is there: it is memory, and a file on disk for each run costs far more than
// reading it.
inline std::string ScratchFolder() {
    struct stat info {};
    return stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "/tmp";
}
