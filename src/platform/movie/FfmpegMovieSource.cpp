// The movie port on libavformat, libavcodec and libswscale. Frame numbers come from each
// frame's time stamp counted in frames from the first picture, so a container that counts time
// in its own units still steps one frame per time unit.
#include "platform/movie/FfmpegMovieSource.h"

#include <algorithm>
#include <climits>
#include <new>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

namespace {

// A damaged header must not make us allocate gigabytes: the flight screen shows 320 by 240.
constexpr int kMaxSide = 4096;
// About 18 hours at 15 frames a second: anything longer is a damaged header.
constexpr int64_t kMaxFrames = 1'000'000;
// Without an index, a jump this far ahead or less decodes forward instead of seeking.
constexpr int32_t kForwardWithoutIndex = 64;
// swscale may write a little past the last row it fills.
constexpr size_t kPicturePadding = 64;

}  // namespace

struct FfmpegMovieSource::Movie {
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* frame = nullptr;  // the frame given last, kept so the last picture outlives the end
    AVFrame* next = nullptr;   // where the decoder's next frame arrives
    AVPacket* packet = nullptr;
    SwsContext* scale = nullptr;
    AVStream* stream = nullptr;
    AVRational rate{0, 1};
    int64_t firstPts = 0;
    int32_t frameCount = 0;
    int32_t timeScale = 0;
    int32_t decoded = -1;     // the frame held in `frame`; -1 when none since the last seek
    bool inputDone = false;   // every packet was read and the decoder told so
    int64_t decodes = 0;
    int64_t seeks = 0;

    ~Movie() {
        sws_freeContext(scale);
        av_packet_free(&packet);
        av_frame_free(&next);
        av_frame_free(&frame);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    [[nodiscard]] bool OpenFile(const std::string& path);
    [[nodiscard]] bool OpenDecoder();
    [[nodiscard]] int32_t IndexOf(int64_t pts) const;
    [[nodiscard]] int64_t PtsOf(int32_t index) const;
    [[nodiscard]] bool NextFrame();
    [[nodiscard]] bool ForwardReaches(int32_t t) const;
    [[nodiscard]] bool Seek(int32_t t);
    [[nodiscard]] bool DecodeTo(int32_t t);
    [[nodiscard]] bool Convert(MoviePicture& picture);
};

bool FfmpegMovieSource::Movie::OpenFile(const std::string& path) {
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return false;
    if (avformat_find_stream_info(format, nullptr) < 0) return false;
    const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index < 0) return false;
    stream = format->streams[index];
    const AVCodecParameters* par = stream->codecpar;
    if (par->width < 1 || par->height < 1 || par->width > kMaxSide || par->height > kMaxSide)
        return false;
    if (stream->time_base.num <= 0 || stream->time_base.den <= 0) return false;
    rate = stream->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) rate = stream->r_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) return false;
    const double fps = av_q2d(rate);
    if (!(fps >= 1.0 && fps <= 1000.0)) return false;
    timeScale = std::max(1, int32_t(fps + 0.5));
    const AVRational frameTime = av_inv_q(rate);
    int64_t frames = stream->nb_frames;
    if (frames <= 0 && stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        frames = av_rescale_q(stream->duration, stream->time_base, frameTime);
    if (frames <= 0 && format->duration != AV_NOPTS_VALUE && format->duration > 0)
        frames = av_rescale_q(format->duration, AV_TIME_BASE_Q, frameTime);
    if (frames <= 0 || frames > kMaxFrames) return false;
    frameCount = int32_t(frames);
    return true;
}

bool FfmpegMovieSource::Movie::OpenDecoder() {
    const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    if (decoder == nullptr) return false;
    codec = avcodec_alloc_context3(decoder);
    if (codec == nullptr || avcodec_parameters_to_context(codec, stream->codecpar) < 0)
        return false;
    // One thread: frame threads hold frames back, which costs every jump, and the program is
    // single-threaded by design. A 320 by 240 frame decodes well within a frame's time.
    codec->thread_count = 1;
    if (avcodec_open2(codec, decoder, nullptr) < 0) return false;
    frame = av_frame_alloc();
    next = av_frame_alloc();
    packet = av_packet_alloc();
    return frame != nullptr && next != nullptr && packet != nullptr;
}

int32_t FfmpegMovieSource::Movie::IndexOf(int64_t pts) const {
    const int64_t index = av_rescale_q_rnd(pts - firstPts, stream->time_base, av_inv_q(rate),
                                           AV_ROUND_NEAR_INF);
    // Damaged stamps may be anywhere; keep them where the arithmetic stays safe.
    return int32_t(std::clamp<int64_t>(index, -kMaxFrames, kMaxFrames));
}

int64_t FfmpegMovieSource::Movie::PtsOf(int32_t index) const {
    return firstPts + av_rescale_q_rnd(index, av_inv_q(rate), stream->time_base,
                                       AV_ROUND_NEAR_INF);
}

// The decoder's next frame into `frame`; false at the end of the movie or on an error, with
// `frame` still holding the frame before.
bool FfmpegMovieSource::Movie::NextFrame() {
    while (true) {
        const int got = avcodec_receive_frame(codec, next);
        if (got == 0) {
            av_frame_unref(frame);
            av_frame_move_ref(frame, next);
            ++decodes;
            const int64_t pts = frame->best_effort_timestamp;
            decoded = pts == AV_NOPTS_VALUE ? decoded + 1 : IndexOf(pts);
            return true;
        }
        if (got != AVERROR(EAGAIN) || inputDone) return false;
        if (av_read_frame(format, packet) < 0) {
            inputDone = true;
            (void)avcodec_send_packet(codec, nullptr);  // drains the frames held back
            continue;
        }
        // A damaged packet is skipped: the frames after it may still decode.
        if (packet->stream_index == stream->index) (void)avcodec_send_packet(codec, packet);
        av_packet_unref(packet);
    }
}

// Decoding on from the frame held reaches t at least as soon as a seek would.
bool FfmpegMovieSource::Movie::ForwardReaches(int32_t t) const {
    if (decoded < 0 || t <= decoded) return false;
    const AVIndexEntry* key =
        avformat_index_get_entry_from_timestamp(stream, PtsOf(t), AVSEEK_FLAG_BACKWARD);
    if (key == nullptr) return t - decoded <= kForwardWithoutIndex;
    return IndexOf(key->timestamp) <= decoded + 1;
}

bool FfmpegMovieSource::Movie::Seek(int32_t t) {
    ++seeks;
    if (av_seek_frame(format, stream->index, PtsOf(t), AVSEEK_FLAG_BACKWARD) < 0 &&
        av_seek_frame(format, stream->index, PtsOf(0), AVSEEK_FLAG_BACKWARD | AVSEEK_FLAG_ANY) < 0)
        return false;
    avcodec_flush_buffers(codec);
    av_frame_unref(frame);
    decoded = -1;
    inputDone = false;
    return true;
}

bool FfmpegMovieSource::Movie::DecodeTo(int32_t t) {
    if (decoded == t) return true;
    if (!ForwardReaches(t)) {
        // The index may count in decoding order, ahead of the pictures: when the seek lands
        // after t, seek again further back.
        int32_t back = 0;
        while (true) {
            const int32_t target = std::max(0, t - back);
            if (!Seek(target) || !NextFrame()) return false;
            if (decoded <= t || target == 0) break;
            back = back == 0 ? 1 : back * 4;
        }
    }
    // Past the last frame the last one stands.
    while (decoded < t)
        if (!NextFrame()) break;
    return decoded >= 0;
}

bool FfmpegMovieSource::Movie::Convert(MoviePicture& picture) {
    const int w = frame->width, h = frame->height;
    if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide) return false;
    scale = sws_getCachedContext(scale, w, h, AVPixelFormat(frame->format), w, h,
                                 AV_PIX_FMT_BGR24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scale == nullptr) return false;
    const int32_t stride = (w * 3 + 3) & ~3;
    const size_t size = size_t(stride) * size_t(h) + kPicturePadding;
    try {
        if (picture.pixels.size() < size) picture.pixels.resize(size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    picture.width = w;
    picture.height = h;
    picture.stride = stride;
    // Rows are written from the last one stored upwards: the picture is bottom-up.
    uint8_t* rows[4] = {picture.pixels.data() + size_t(stride) * size_t(h - 1), nullptr, nullptr,
                        nullptr};
    const int strides[4] = {-stride, 0, 0, 0};
    return sws_scale(scale, frame->data, frame->linesize, 0, h, rows, strides) == h;
}

FfmpegMovieSource::FfmpegMovieSource() { av_log_set_level(AV_LOG_QUIET); }

FfmpegMovieSource::~FfmpegMovieSource() = default;

bool FfmpegMovieSource::Open(const std::string& path) {
    Close();
    auto m = std::make_unique<Movie>();
    if (!m->OpenFile(path) || !m->OpenDecoder()) return false;
    // The movie must give a picture, and the first picture's time is time 0.
    if (!m->NextFrame()) return false;
    const int64_t pts = m->frame->best_effort_timestamp;
    m->firstPts = pts == AV_NOPTS_VALUE ? 0 : pts;
    m->decoded = 0;
    movie = std::move(m);
    return true;
}

void FfmpegMovieSource::Close() { movie.reset(); }

int32_t FfmpegMovieSource::Duration() const { return movie ? movie->frameCount : 0; }

int32_t FfmpegMovieSource::TimeScale() const { return movie ? movie->timeScale : 0; }

bool FfmpegMovieSource::PictureAt(int32_t t, MoviePicture& picture) {
    if (!movie) return false;
    t = std::clamp(t, 0, movie->frameCount - 1);
    return movie->DecodeTo(t) && movie->Convert(picture);
}

int64_t FfmpegMovieSource::FramesDecoded() const { return movie ? movie->decodes : 0; }

int64_t FfmpegMovieSource::Seeks() const { return movie ? movie->seeks : 0; }
