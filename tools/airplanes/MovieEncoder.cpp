// FFmpeg side of the movie: H.264 in a QuickTime file, every packet lasting one frame.
#include "MovieEncoder.h"

#include <cstring>
#include <vector>

#include "AvOutput.h"

extern "C" {
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

struct MovieEncoder::State : AvOutput {
    SwsContext* scale = nullptr;
    std::vector<uint8_t> rgb;  // padded: swscale reads a little past the last row
    int64_t next = 0;
    bool headerWritten = false;

    ~State() { sws_freeContext(scale); }
};

MovieEncoder::MovieEncoder() = default;
MovieEncoder::~MovieEncoder() = default;

bool MovieEncoder::Open(const std::string& path, int width, int height, int fps, std::string& error) {
    av_log_set_level(AV_LOG_ERROR);
    state = std::make_unique<State>();
    State& s = *state;
    const AVCodec* h264 = avcodec_find_encoder_by_name("libx264");
    if (h264 == nullptr) return error = "FFmpeg has no libx264 encoder", false;
    if (avformat_alloc_output_context2(&s.format, nullptr, "mov", path.c_str()) < 0) {
        return error = "cannot make a QuickTime file", false;
    }
    s.stream = avformat_new_stream(s.format, nullptr);
    s.codec = avcodec_alloc_context3(h264);
    s.codec->width = width;
    s.codec->height = height;
    s.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    s.codec->time_base = {1, fps};
    s.codec->framerate = {fps, 1};
    s.codec->gop_size = fps * 4;
    if (s.format->oformat->flags & AVFMT_GLOBALHEADER) s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    av_opt_set(s.codec->priv_data, "preset", "medium", 0);
    av_opt_set(s.codec->priv_data, "crf", "27", 0);
    av_opt_set(s.codec->priv_data, "tune", "animation", 0);
    if (avcodec_open2(s.codec, h264, nullptr) < 0) return error = "libx264 refuses the settings", false;
    avcodec_parameters_from_context(s.stream->codecpar, s.codec);
    s.stream->time_base = s.codec->time_base;
    s.stream->avg_frame_rate = s.stream->r_frame_rate = {fps, 1};
    if (avio_open(&s.format->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return error = "cannot write " + path, false;
    if (avformat_write_header(s.format, nullptr) < 0) return error = "cannot write the header of " + path, false;
    s.headerWritten = true;
    s.frame = av_frame_alloc();
    s.packet = av_packet_alloc();
    s.frame->format = AV_PIX_FMT_YUV420P;
    s.frame->width = width;
    s.frame->height = height;
    if (av_frame_get_buffer(s.frame, 0) < 0) return error = "out of memory", false;
    s.scale = sws_getContext(width, height, AV_PIX_FMT_RGB24, width, height, AV_PIX_FMT_YUV420P,
                             SWS_BILINEAR, nullptr, nullptr, nullptr);
    s.rgb.assign(size_t(width) * size_t(height) * 3 + 64, 0);
    return s.scale != nullptr || (error = "swscale cannot convert", false);
}

bool MovieEncoder::Add(const Canvas& picture, bool key) {
    State& s = *state;
    if (picture.Width() != s.codec->width || picture.Height() != s.codec->height) return false;
    std::memcpy(s.rgb.data(), picture.Pixels().data(), picture.Pixels().size() * sizeof(RgbPixel));
    if (av_frame_make_writable(s.frame) < 0) return false;
    const uint8_t* src[1] = {s.rgb.data()};
    const int stride[1] = {picture.Width() * 3};
    sws_scale(s.scale, src, stride, 0, picture.Height(), s.frame->data, s.frame->linesize);
    s.frame->pts = s.next++;
    s.frame->pict_type = key ? AV_PICTURE_TYPE_I : AV_PICTURE_TYPE_NONE;
    return avcodec_send_frame(s.codec, s.frame) >= 0 && s.Drain(1);
}

bool MovieEncoder::Finish() {
    State& s = *state;
    const bool ok = avcodec_send_frame(s.codec, nullptr) >= 0 && s.Drain(1) && av_write_trailer(s.format) == 0;
    state.reset();
    return ok;
}
