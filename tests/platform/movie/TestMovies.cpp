// Encoding the test movies and reading their frame numbers back.
#include "TestMovies.h"

#include <algorithm>

#include "AvOutput.h"

extern "C" {
#include <libavutil/opt.h>
}

namespace {

// Bits as bands: white (luma 235) for 1, black (16) for 0.
void Paint(AVFrame* frame, int index) {
    const int band = frame->width / 8;
    for (int y = 0; y < frame->height; ++y)
        for (int x = 0; x < frame->width; ++x) {
            const int bit = std::min(x / band, 7);
            frame->data[0][y * frame->linesize[0] + x] = (index >> bit) & 1 ? 235 : 16;
        }
    for (int plane = 1; plane <= 2; ++plane)
        for (int y = 0; y < frame->height / 2; ++y)
            for (int x = 0; x < frame->width / 2; ++x)
                frame->data[plane][y * frame->linesize[plane] + x] = 128;
}

}  // namespace

bool WriteTestMovie(const std::string& path, const TestMovie& m, std::string& error) {
    av_log_set_level(AV_LOG_QUIET);
    AvOutput e;
    const AVCodec* h264 = avcodec_find_encoder_by_name("libx264");
    if (h264 == nullptr) return error = "no libx264", false;
    if (avformat_alloc_output_context2(&e.format, nullptr, m.container, path.c_str()) < 0)
        return error = std::string("no muxer ") + m.container, false;
    e.stream = avformat_new_stream(e.format, nullptr);
    e.codec = avcodec_alloc_context3(h264);
    e.codec->width = m.width;
    e.codec->height = m.height;
    e.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    e.codec->time_base = {1, m.fps};
    e.codec->framerate = {m.fps, 1};
    e.codec->gop_size = m.keyInterval;
    e.codec->keyint_min = m.keyInterval;
    e.codec->max_b_frames = 3;
    if (e.format->oformat->flags & AVFMT_GLOBALHEADER)
        e.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(e.codec->priv_data, "preset", "fast", 0);
    av_opt_set(e.codec->priv_data, "x264-params", "scenecut=0", 0);
    if (avcodec_open2(e.codec, h264, nullptr) < 0) return error = "libx264 refused", false;
    (void)avcodec_parameters_from_context(e.stream->codecpar, e.codec);
    e.stream->time_base = e.codec->time_base;
    e.stream->avg_frame_rate = e.stream->r_frame_rate = {m.fps, 1};
    if (avio_open(&e.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0)
        return error = "cannot write " + path, false;
    if (avformat_write_header(e.format, nullptr) < 0) return error = "no header", false;
    e.frame = av_frame_alloc();
    e.packet = av_packet_alloc();
    e.frame->format = AV_PIX_FMT_YUV420P;
    e.frame->width = m.width;
    e.frame->height = m.height;
    if (av_frame_get_buffer(e.frame, 0) < 0) return error = "no memory", false;
    for (int i = 0; i < m.frames; ++i) {
        if (av_frame_make_writable(e.frame) < 0) return error = "frame busy", false;
        Paint(e.frame, i);
        e.frame->pts = i;
        if (avcodec_send_frame(e.codec, e.frame) < 0 || !e.Drain(1))
            return error = "encoding failed", false;
    }
    if (avcodec_send_frame(e.codec, nullptr) < 0 || !e.Drain(1) || av_write_trailer(e.format) != 0)
        return error = "cannot finish", false;
    return true;
}

int32_t FrameShown(const MoviePicture& picture) {
    if (picture.width < 8 || picture.height < 1) return -1;
    const int band = picture.width / 8;
    const int row = picture.height / 2;
    int32_t index = 0;
    for (int bit = 0; bit < 8; ++bit) {
        const int x = bit * band + band / 2;
        const uint8_t* p = picture.pixels.data() + size_t(row) * size_t(picture.stride) + x * 3;
        const int level = (p[0] + p[1] + p[2]) / 3;
        if (level > 180) {
            index |= 1 << bit;
        } else if (level > 60) {
            return -1;
        }
    }
    return index;
}
