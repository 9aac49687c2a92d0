// FFmpeg side of the voices: adpcm_ima_wav packets in a WAVE file written by libavformat.
#include "VoiceFile.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "AvOutput.h"
#include "sound/WaveReader.h"

namespace {

// Below this a sample counts as quiet (about -50 dB of full scale).
constexpr int quietLevel = 100;

struct Encoder : AvOutput {
    bool Write(const std::string& path, std::span<const int16_t> samples, uint32_t rate,
               std::string& error) {
        av_log_set_level(AV_LOG_ERROR);
        const AVCodec* ima = avcodec_find_encoder(AV_CODEC_ID_ADPCM_IMA_WAV);
        if (ima == nullptr) return error = "FFmpeg has no adpcm_ima_wav encoder", false;
        if (avformat_alloc_output_context2(&format, nullptr, "wav", path.c_str()) < 0) {
            return error = "cannot make a WAVE file", false;
        }
        // No encoder name in the file: the same voice makes the same bytes.
        format->flags |= AVFMT_FLAG_BITEXACT;
        codec = avcodec_alloc_context3(ima);
        stream = avformat_new_stream(format, nullptr);
        frame = av_frame_alloc();
        packet = av_packet_alloc();
        if (codec == nullptr || stream == nullptr || frame == nullptr || packet == nullptr) {
            return error = "out of memory", false;
        }
        codec->sample_fmt = AV_SAMPLE_FMT_S16P;
        codec->sample_rate = static_cast<int>(rate);
        av_channel_layout_default(&codec->ch_layout, 1);
        codec->time_base = AVRational{1, codec->sample_rate};
        codec->flags |= AV_CODEC_FLAG_BITEXACT;
        if (avcodec_open2(codec, ima, nullptr) < 0 ||
            avcodec_parameters_from_context(stream->codecpar, codec) < 0) {
            return error = "cannot start the IMA ADPCM encoder", false;
        }
        stream->time_base = codec->time_base;
        if (avio_open(&format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0 ||
            avformat_write_header(format, nullptr) < 0) {
            return error = "cannot write " + path, false;
        }
        const int block = codec->frame_size;
        frame->format = codec->sample_fmt;
        frame->sample_rate = codec->sample_rate;
        frame->nb_samples = block;
        if (av_channel_layout_copy(&frame->ch_layout, &codec->ch_layout) < 0 ||
            av_frame_get_buffer(frame, 0) < 0) {
            return error = "out of memory", false;
        }
        // The last block is filled up with silence: the encoder takes whole blocks only.
        for (size_t at = 0; at < samples.size(); at += size_t(block)) {
            if (av_frame_make_writable(frame) < 0) return error = "out of memory", false;
            auto* out = reinterpret_cast<int16_t*>(frame->data[0]);
            for (int i = 0; i < block; ++i) {
                out[i] = at + size_t(i) < samples.size() ? samples[at + size_t(i)] : 0;
            }
            frame->pts = static_cast<int64_t>(at);
            if (avcodec_send_frame(codec, frame) < 0 || !Drain()) {
                return error = "the IMA ADPCM encoder failed", false;
            }
        }
        if (avcodec_send_frame(codec, nullptr) < 0 || !Drain() ||
            av_write_trailer(format) < 0) {
            return error = "cannot finish " + path, false;
        }
        return true;
    }
};

}  // namespace

SampleRange TrimmedRange(std::span<const int16_t> samples, uint32_t rate) {
    size_t first = 0, last = samples.size();
    while (first < samples.size() && std::abs(samples[first]) < quietLevel) ++first;
    while (last > first && std::abs(samples[last - 1]) < quietLevel) --last;
    if (first == last) return {0, samples.size()};
    const size_t kept = size_t(rate) * keptSilenceMs / 1000;
    first = first > kept ? first - kept : 0;
    last = std::min(samples.size(), last + kept);
    return {first, last - first};
}

bool CompressVoice(const std::string& path, std::string& error) {
    const Wave wave = LoadWave(path);
    if (wave.code != waveOk) return error = "cannot read the voice " + path, false;
    const WaveFormat f = wave.Format();
    if (f.tag != 1) return true;
    if (f.bits != 16 || f.channels != 1 || f.rate == 0) {
        return error = path + " is not 16-bit mono PCM", false;
    }
    std::vector<int16_t> samples(wave.data.size() / 2);
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(wave.data[2 * i] | (wave.data[2 * i + 1] << 8));
    }
    const SampleRange range = TrimmedRange(samples, f.rate);
    const std::string written = path + ".part";
    bool ok = false;
    {
        Encoder encoder;
        ok = encoder.Write(written, std::span(samples).subspan(range.first, range.count), f.rate,
                           error);
    }
    if (ok && std::rename(written.c_str(), path.c_str()) != 0) {
        error = "cannot replace " + path;
        ok = false;
    }
    if (!ok) std::remove(written.c_str());
    return ok;
}
