// AvOutput: an encoder writing its packets into a file through libavformat, freed as one.
#pragma once

#include <cstdint>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

struct AvOutput {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;

    AvOutput() = default;
    AvOutput(const AvOutput&) = delete;
    AvOutput& operator=(const AvOutput&) = delete;
    ~AvOutput() {
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        if (format != nullptr) {
            if (format->pb != nullptr) avio_closep(&format->pb);
            avformat_free_context(format);
        }
    }

    // Writes every packet the encoder has ready. A `duration` above 0 (codec time units) is
    // given to each packet: a movie's frames each last one.
    bool Drain(int64_t duration = 0) {
        while (true) {
            const int r = avcodec_receive_packet(codec, packet);
            if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
            if (r < 0) return false;
            if (duration > 0) packet->duration = duration;
            av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
            packet->stream_index = stream->index;
            if (av_interleaved_write_frame(format, packet) < 0) return false;
        }
    }
};
