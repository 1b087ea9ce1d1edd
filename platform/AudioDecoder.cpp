#include "platform/AudioDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libswresample/swresample.h>
}

#include <dlfcn.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

namespace zb::audio {

namespace {

// FFmpeg's libraries are opened when the first sound file is read, not when the
// game starts: with everything they bring along they take about 80 ms and 25 MB
// to load, and the title needs no sound at all. Music opened on a worker thread
// takes that wait there. Without them every file reads as unplayable.
#define ZB_FFMPEG_FUNCTIONS(X)                                                                     \
    X(avcodec, av_packet_alloc)                                                                    \
    X(avcodec, av_packet_free)                                                                     \
    X(avcodec, av_packet_unref)                                                                    \
    X(avcodec, avcodec_alloc_context3)                                                             \
    X(avcodec, avcodec_find_decoder)                                                               \
    X(avcodec, avcodec_free_context)                                                               \
    X(avcodec, avcodec_open2)                                                                      \
    X(avcodec, avcodec_parameters_to_context)                                                      \
    X(avcodec, avcodec_receive_frame)                                                              \
    X(avcodec, avcodec_send_packet)                                                                \
    X(avformat, av_find_input_format)                                                              \
    X(avformat, av_read_frame)                                                                     \
    X(avformat, avformat_close_input)                                                              \
    X(avformat, avformat_find_stream_info)                                                         \
    X(avformat, avformat_open_input)                                                               \
    X(avutil, av_channel_layout_copy)                                                              \
    X(avutil, av_channel_layout_default)                                                           \
    X(avutil, av_channel_layout_uninit)                                                            \
    X(avutil, av_frame_alloc)                                                                      \
    X(avutil, av_frame_free)                                                                       \
    X(avutil, av_frame_unref)                                                                      \
    X(avutil, av_log_set_level)                                                                    \
    X(avutil, av_rescale_q)                                                                        \
    X(swresample, swr_alloc_set_opts2)                                                             \
    X(swresample, swr_convert)                                                                     \
    X(swresample, swr_free)                                                                        \
    X(swresample, swr_get_out_samples)                                                             \
    X(swresample, swr_init)                                                                        \
    X(swresample, swr_set_matrix)

struct Libraries {
#define ZB_DECLARE(lib, name) decltype(&::name) name = nullptr;
    ZB_FFMPEG_FUNCTIONS(ZB_DECLARE)
#undef ZB_DECLARE
    bool ok = false;
};

Libraries openLibraries() {
    Libraries l;
    void* avutil = dlopen("libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR), RTLD_LAZY);
    void* swresample =
        dlopen("libswresample.so." AV_STRINGIFY(LIBSWRESAMPLE_VERSION_MAJOR), RTLD_LAZY);
    void* avcodec = dlopen("libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR), RTLD_LAZY);
    void* avformat = dlopen("libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR), RTLD_LAZY);
    if (avutil == nullptr || swresample == nullptr || avcodec == nullptr || avformat == nullptr)
        return l;
#define ZB_RESOLVE(lib, name)                                                                      \
    l.name = reinterpret_cast<decltype(&::name)>(dlsym(lib, #name));                               \
    if (l.name == nullptr) return l;
    ZB_FFMPEG_FUNCTIONS(ZB_RESOLVE)
#undef ZB_RESOLVE
    l.ok = true;
    return l;
}

// Opened once, on the first call from any thread; kept open for the game's run.
const Libraries& ff() {
    static const Libraries libraries = openLibraries();
    return libraries;
}

// The game writes no log: a damaged file is silent, not chatty.
void quietLibraries() {
    static const bool once = [] {
        if (ff().ok) ff().av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)once;
}

struct InputCloser {
    void operator()(AVFormatContext* c) const { ff().avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { ff().avcodec_free_context(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { ff().av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { ff().av_frame_free(&f); }
};
struct ResamplerFreer {
    void operator()(SwrContext* s) const { ff().swr_free(&s); }
};
using Input = std::unique_ptr<AVFormatContext, InputCloser>;
using Codec = std::unique_ptr<AVCodecContext, CodecFreer>;
using Packet = std::unique_ptr<AVPacket, PacketFreer>;
using Frame = std::unique_ptr<AVFrame, FrameFreer>;
using Resampler = std::unique_ptr<SwrContext, ResamplerFreer>;

bool endsWith(const std::string& s, const char* tail) {
    const std::size_t n = std::strlen(tail);
    return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

// The game's files say what they are by their names. Going by the name first
// spares guessing among every format FFmpeg knows, which cuts opening the 18
// effects at start to about a third. A file that is not what its name says is
// still recognised by its contents.
Input openInput(const std::string& path) {
    if (!ff().ok) return nullptr;
    quietLibraries();
    const AVInputFormat* hinted = endsWith(path, ".wav")   ? ff().av_find_input_format("wav")
                                  : endsWith(path, ".wma") ? ff().av_find_input_format("asf")
                                                           : nullptr;
    AVFormatContext* raw = nullptr;
    if (hinted != nullptr) {
        const int err = ff().avformat_open_input(&raw, path.c_str(), hinted, nullptr);
        if (err >= 0) return Input(raw);
        if (err == AVERROR(ENOENT)) return nullptr;
        raw = nullptr;
    }
    if (ff().avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return nullptr;
    return Input(raw);
}

// The first audio stream, or -1. Headers of wave and WMA files name their codec
// and rate; only other files need the slower look into their packets.
int audioStream(AVFormatContext* in) {
    for (int pass = 0; pass < 2; ++pass) {
        for (unsigned i = 0; i < in->nb_streams; ++i) {
            const AVCodecParameters* p = in->streams[i]->codecpar;
            if (p->codec_type == AVMEDIA_TYPE_AUDIO && p->sample_rate > 0 &&
                p->ch_layout.nb_channels > 0)
                return static_cast<int>(i);
        }
        if (pass == 0 && ff().avformat_find_stream_info(in, nullptr) < 0) return -1;
    }
    return -1;
}

} // namespace

std::uint32_t DecodedAudio::durationMs() const {
    if (sampleRate <= 0) return 0;
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(frames()) * 1000u /
                                      static_cast<std::uint64_t>(sampleRate));
}

std::optional<AudioInfo> probeAudio(const std::string& path) {
    Input in = openInput(path);
    if (!in) return std::nullopt;
    const int index = audioStream(in.get());
    if (index < 0) return std::nullopt;
    const AVStream* st = in->streams[index];
    if (ff().avcodec_find_decoder(st->codecpar->codec_id) == nullptr) return std::nullopt;

    AudioInfo info;
    info.sampleRate = st->codecpar->sample_rate;
    info.channels = st->codecpar->ch_layout.nb_channels;
    const AVRational perSample{1, info.sampleRate};
    if (st->duration != AV_NOPTS_VALUE && st->duration > 0) {
        info.frames = ff().av_rescale_q(st->duration, st->time_base, perSample);
    } else if (in->duration != AV_NOPTS_VALUE && in->duration > 0) {
        info.frames = ff().av_rescale_q(in->duration, AVRational{1, AV_TIME_BASE}, perSample);
    }
    info.durationMs = static_cast<std::uint32_t>(info.frames * 1000 / info.sampleRate);
    return info;
}

namespace {

// Decodes the first audio stream of `path` into `sink`; `expect` hears first how
// many frames the header promises at `sampleRate` (0 when it does not say).
bool decodeStream(const std::string& path, int sampleRate, int channels,
                  const std::function<void(std::int64_t)>& expect, const SampleSink& sink) {
    if (sampleRate <= 0 || channels < 1 || channels > 2) return false;
    Input in = openInput(path);
    if (!in) return false;
    const int index = audioStream(in.get());
    if (index < 0) return false;
    const AVCodecParameters* par = in->streams[index]->codecpar;
    const AVCodec* decoder = ff().avcodec_find_decoder(par->codec_id);
    if (decoder == nullptr) return false;
    Codec codec(ff().avcodec_alloc_context3(decoder));
    if (!codec || ff().avcodec_parameters_to_context(codec.get(), par) < 0 ||
        ff().avcodec_open2(codec.get(), decoder, nullptr) < 0)
        return false;

    AVChannelLayout inLayout{};
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        ff().av_channel_layout_default(&inLayout, codec->ch_layout.nb_channels);
    else if (ff().av_channel_layout_copy(&inLayout, &codec->ch_layout) < 0)
        return false;
    AVChannelLayout outLayout{};
    ff().av_channel_layout_default(&outLayout, channels);
    SwrContext* rawSwr = nullptr;
    const int made =
        ff().swr_alloc_set_opts2(&rawSwr, &outLayout, AV_SAMPLE_FMT_S16, sampleRate, &inLayout,
                                 codec->sample_fmt, codec->sample_rate, 0, nullptr);
    ff().av_channel_layout_uninit(&inLayout);
    ff().av_channel_layout_uninit(&outLayout);
    Resampler swr(rawSwr);
    if (made < 0) return false;
    // A mono piece sounds on both sides at its own level, as the game's player
    // did, not 3 dB lower.
    if (codec->ch_layout.nb_channels == 1 && channels == 2) {
        const double bothSides[2] = {1.0, 1.0};
        if (ff().swr_set_matrix(swr.get(), bothSides, 1) < 0) return false;
    }
    if (ff().swr_init(swr.get()) < 0) return false;

    const AVStream* st = in->streams[index];
    expect(st->duration != AV_NOPTS_VALUE && st->duration > 0
               ? ff().av_rescale_q(st->duration, st->time_base, AVRational{1, sampleRate})
               : 0);

    // One block's worth of converted samples, reused for every block.
    std::vector<std::int16_t> block;
    bool wanted = true; // false once the sink has had enough
    // Hands on what the resampler gives for `frame` (null: what it still holds).
    auto convert = [&](const AVFrame* frame) {
        const int inCount = frame != nullptr ? frame->nb_samples : 0;
        const int room = ff().swr_get_out_samples(swr.get(), inCount);
        if (room <= 0) return true;
        block.resize(static_cast<std::size_t>(room) * static_cast<std::size_t>(channels));
        auto* dst = reinterpret_cast<std::uint8_t*>(block.data());
        const int got = ff().swr_convert(
            swr.get(), &dst, room,
            frame != nullptr ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr,
            inCount);
        if (got < 0) return false;
        if (got > 0)
            wanted = sink(block.data(),
                          static_cast<std::size_t>(got) * static_cast<std::size_t>(channels));
        return wanted;
    };

    Packet packet(ff().av_packet_alloc());
    Frame frame(ff().av_frame_alloc());
    if (!packet || !frame) return false;
    auto drain = [&] {
        while (ff().avcodec_receive_frame(codec.get(), frame.get()) == 0) {
            const bool ok = convert(frame.get());
            ff().av_frame_unref(frame.get());
            if (!ok) return false;
        }
        return true;
    };
    bool ok = true;
    while (ok && ff().av_read_frame(in.get(), packet.get()) >= 0) {
        if (packet->stream_index == index) {
            // A damaged packet is skipped; the rest of the piece still plays.
            if (ff().avcodec_send_packet(codec.get(), packet.get()) >= 0) ok = drain();
        }
        ff().av_packet_unref(packet.get());
    }
    if (!wanted) return true;
    ff().avcodec_send_packet(codec.get(), nullptr);
    if (ok) ok = drain();
    if (ok) convert(nullptr);
    return true;
}

} // namespace

bool decodeAudioBlocks(const std::string& path, int sampleRate, int channels,
                       const SampleSink& sink) {
    return decodeStream(
        path, sampleRate, channels, [](std::int64_t) {}, sink);
}

std::optional<DecodedAudio> decodeAudio(const std::string& path, int sampleRate, int channels) {
    DecodedAudio out;
    out.sampleRate = sampleRate;
    out.channels = channels;
    const bool opened = decodeStream(
        path, sampleRate, channels,
        [&](std::int64_t frames) {
            // Room for the whole piece at once when the header says how long it is.
            if (frames > 0) out.samples.reserve(static_cast<std::size_t>(frames * channels + 8192));
        },
        [&](const std::int16_t* samples, std::size_t count) {
            out.samples.insert(out.samples.end(), samples, samples + count);
            return true;
        });
    if (!opened || out.samples.empty()) return std::nullopt;
    return out;
}

} // namespace zb::audio
