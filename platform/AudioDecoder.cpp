#include "platform/AudioDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
#include <libswresample/swresample.h>
}

#include <cerrno>
#include <cstring>
#include <memory>

namespace zb::audio {

namespace {

// The game writes no log: a damaged file is silent, not chatty.
void quietLibraries() {
    static const bool once = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)once;
}

struct InputCloser {
    void operator()(AVFormatContext* c) const { avformat_close_input(&c); }
};
struct CodecFreer {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct PacketFreer {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct FrameFreer {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct ResamplerFreer {
    void operator()(SwrContext* s) const { swr_free(&s); }
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
    quietLibraries();
    const AVInputFormat* hinted = endsWith(path, ".wav")   ? av_find_input_format("wav")
                                  : endsWith(path, ".wma") ? av_find_input_format("asf")
                                                           : nullptr;
    AVFormatContext* raw = nullptr;
    if (hinted != nullptr) {
        const int err = avformat_open_input(&raw, path.c_str(), hinted, nullptr);
        if (err >= 0) return Input(raw);
        if (err == AVERROR(ENOENT)) return nullptr;
        raw = nullptr;
    }
    if (avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) return nullptr;
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
        if (pass == 0 && avformat_find_stream_info(in, nullptr) < 0) return -1;
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
    if (avcodec_find_decoder(st->codecpar->codec_id) == nullptr) return std::nullopt;

    AudioInfo info;
    info.sampleRate = st->codecpar->sample_rate;
    info.channels = st->codecpar->ch_layout.nb_channels;
    const AVRational perSample{1, info.sampleRate};
    if (st->duration != AV_NOPTS_VALUE && st->duration > 0) {
        info.frames = av_rescale_q(st->duration, st->time_base, perSample);
    } else if (in->duration != AV_NOPTS_VALUE && in->duration > 0) {
        info.frames = av_rescale_q(in->duration, AVRational{1, AV_TIME_BASE}, perSample);
    }
    info.durationMs = static_cast<std::uint32_t>(info.frames * 1000 / info.sampleRate);
    return info;
}

std::optional<DecodedAudio> decodeAudio(const std::string& path, int sampleRate, int channels) {
    if (sampleRate <= 0 || channels < 1 || channels > 2) return std::nullopt;
    Input in = openInput(path);
    if (!in) return std::nullopt;
    const int index = audioStream(in.get());
    if (index < 0) return std::nullopt;
    const AVCodecParameters* par = in->streams[index]->codecpar;
    const AVCodec* decoder = avcodec_find_decoder(par->codec_id);
    if (decoder == nullptr) return std::nullopt;
    Codec codec(avcodec_alloc_context3(decoder));
    if (!codec || avcodec_parameters_to_context(codec.get(), par) < 0 ||
        avcodec_open2(codec.get(), decoder, nullptr) < 0)
        return std::nullopt;

    AVChannelLayout inLayout{};
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&inLayout, codec->ch_layout.nb_channels);
    else if (av_channel_layout_copy(&inLayout, &codec->ch_layout) < 0)
        return std::nullopt;
    AVChannelLayout outLayout{};
    av_channel_layout_default(&outLayout, channels);
    SwrContext* rawSwr = nullptr;
    const int made =
        swr_alloc_set_opts2(&rawSwr, &outLayout, AV_SAMPLE_FMT_S16, sampleRate, &inLayout,
                            codec->sample_fmt, codec->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    Resampler swr(rawSwr);
    if (made < 0) return std::nullopt;
    // A mono piece sounds on both sides at its own level, as the game's player
    // did, not 3 dB lower.
    if (codec->ch_layout.nb_channels == 1 && channels == 2) {
        const double bothSides[2] = {1.0, 1.0};
        if (swr_set_matrix(swr.get(), bothSides, 1) < 0) return std::nullopt;
    }
    if (swr_init(swr.get()) < 0) return std::nullopt;

    DecodedAudio out;
    out.sampleRate = sampleRate;
    out.channels = channels;
    // Room for the whole piece at once when the header says how long it is.
    const AVStream* st = in->streams[index];
    if (st->duration != AV_NOPTS_VALUE && st->duration > 0)
        out.samples.reserve(static_cast<std::size_t>(
            av_rescale_q(st->duration, st->time_base, AVRational{1, sampleRate}) * channels +
            8192));

    // Appends what the resampler gives for `frame` (null: what it still holds).
    auto convert = [&](const AVFrame* frame) {
        const int inCount = frame != nullptr ? frame->nb_samples : 0;
        const int room = swr_get_out_samples(swr.get(), inCount);
        if (room <= 0) return true;
        const std::size_t at = out.samples.size();
        out.samples.resize(at +
                           static_cast<std::size_t>(room) * static_cast<std::size_t>(channels));
        auto* dst = reinterpret_cast<std::uint8_t*>(out.samples.data() + at);
        const int got = swr_convert(
            swr.get(), &dst, room,
            frame != nullptr ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr,
            inCount);
        out.samples.resize(at + static_cast<std::size_t>(got > 0 ? got : 0) *
                                    static_cast<std::size_t>(channels));
        return got >= 0;
    };

    Packet packet(av_packet_alloc());
    Frame frame(av_frame_alloc());
    if (!packet || !frame) return std::nullopt;
    auto drain = [&] {
        while (avcodec_receive_frame(codec.get(), frame.get()) == 0) {
            const bool ok = convert(frame.get());
            av_frame_unref(frame.get());
            if (!ok) return false;
        }
        return true;
    };
    bool ok = true;
    while (ok && av_read_frame(in.get(), packet.get()) >= 0) {
        if (packet->stream_index == index) {
            // A damaged packet is skipped; the rest of the piece still plays.
            if (avcodec_send_packet(codec.get(), packet.get()) >= 0) ok = drain();
        }
        av_packet_unref(packet.get());
    }
    avcodec_send_packet(codec.get(), nullptr);
    if (ok) ok = drain();
    if (ok) convert(nullptr);
    if (out.samples.empty()) return std::nullopt;
    return out;
}

} // namespace zb::audio
