// The folder where the targets that read by path write each input, and the writing.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

// /dev/shm when it is there: it is memory, and a file on disk for each run costs far more than
// reading it.
inline std::string ScratchFolder() {
    struct stat info {};
    return stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) ? "/dev/shm" : "/tmp";
}

// The input into the file at `path` (one path a target), kept open between runs: writing over
// it and cutting it to length reuses its pages, where a new file each run has the kernel clear
// fresh ones.
inline bool WriteScratchFile(const std::string& path, const uint8_t* data, size_t size) {
    static const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    for (size_t done = 0; done < size;) {
        const ssize_t n = pwrite(fd, data + done, size - done, off_t(done));
        if (n <= 0) return false;
        done += size_t(n);
    }
    return ftruncate(fd, off_t(size)) == 0;
}
