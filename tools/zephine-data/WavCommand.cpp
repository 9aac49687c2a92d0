// zephine-data wav: reads a WAVE file as the sound engine does and prints its format.
#include <cstdio>

#include "Commands.h"
#include "sound/WaveReader.h"

int RunWav(const Args& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: zephine-data wav FILE\n");
        return 1;
    }
    Wave wave = LoadWave(args[0]);
    if (wave.code != waveOk) {
        std::printf("code=%d\n", wave.code);
        return 1;
    }
    WaveFormat format = wave.Format();
    std::printf("code=0 size=%u tag=%u channels=%u rate=%u bits=%u extra=%u\n", wave.size,
                unsigned{format.tag}, unsigned{format.channels}, format.rate,
                unsigned{format.bits}, unsigned{format.extraSize});
    return 0;
}
