#pragma once
// Sound files for the sound tests and benchmarks, written with FFmpeg's own
// encoders: a wave file ("pcm_s16le") or a WMA file ("wmav2") holding a tone.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>

namespace zb::test {

// Writes `frames` samples per channel of a sine tone; the container follows the
// file name (".wav", ".wma"). False when FFmpeg refuses any step. WMA is
// written in whole blocks of 2048 samples, so give a multiple of that.
inline bool writeTone(const std::string& path, const char* codecName, int rate, int channels,
                      int frames, double hz = 440.0) {
    AVFormatContext* oc = nullptr;
    if (avformat_alloc_output_context2(&oc, nullptr, nullptr, path.c_str()) < 0) return false;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> out(oc, [](AVFormatContext* c) {
        if (c->pb != nullptr) avio_closep(&c->pb);
        avformat_free_context(c);
    });
    const AVCodec* codec = avcodec_find_encoder_by_name(codecName);
    if (codec == nullptr) return false;
    AVStream* st = avformat_new_stream(oc, nullptr);
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> enc(
        avcodec_alloc_context3(codec), [](AVCodecContext* c) { avcodec_free_context(&c); });
    if (st == nullptr || !enc) return false;
    AVCodecContext* c = enc.get();
    c->sample_fmt = codec->sample_fmts != nullptr ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
    c->sample_rate = rate;
    av_channel_layout_default(&c->ch_layout, channels);
    c->bit_rate = 128000;
    c->time_base = AVRational{1, rate};
    if ((oc->oformat->flags & AVFMT_GLOBALHEADER) != 0) c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (avcodec_open2(c, codec, nullptr) < 0) return false;
    if (avcodec_parameters_from_context(st->codecpar, c) < 0) return false;
    st->time_base = c->time_base;
    if (avio_open(&oc->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) return false;
    if (avformat_write_header(oc, nullptr) < 0) return false;

    std::unique_ptr<AVPacket, void (*)(AVPacket*)> pkt(av_packet_alloc(),
                                                       [](AVPacket* p) { av_packet_free(&p); });
    std::unique_ptr<AVFrame, void (*)(AVFrame*)> frame(av_frame_alloc(),
                                                       [](AVFrame* f) { av_frame_free(&f); });
    auto drain = [&] {
        while (avcodec_receive_packet(c, pkt.get()) == 0) {
            av_packet_rescale_ts(pkt.get(), c->time_base, st->time_base);
            pkt->stream_index = st->index;
            if (av_interleaved_write_frame(oc, pkt.get()) < 0) return false;
        }
        return true;
    };
    const int block = c->frame_size > 0 ? c->frame_size : 1024;
    const bool planarFloat = c->sample_fmt == AV_SAMPLE_FMT_FLTP;
    for (int done = 0; done < frames;) {
        const int n = std::min(block, frames - done);
        av_frame_unref(frame.get());
        frame->nb_samples = n;
        frame->format = c->sample_fmt;
        frame->sample_rate = rate;
        if (av_channel_layout_copy(&frame->ch_layout, &c->ch_layout) < 0) return false;
        if (av_frame_get_buffer(frame.get(), 0) < 0) return false;
        for (int i = 0; i < n; ++i) {
            const double v = 0.5 * std::sin(2.0 * M_PI * hz * (done + i) / rate);
            for (int ch = 0; ch < channels; ++ch) {
                if (planarFloat)
                    reinterpret_cast<float*>(frame->data[ch])[i] = static_cast<float>(v);
                else
                    reinterpret_cast<std::int16_t*>(frame->data[0])[i * channels + ch] =
                        static_cast<std::int16_t>(v * 32767);
            }
        }
        frame->pts = done;
        if (avcodec_send_frame(c, frame.get()) < 0 || !drain()) return false;
        done += n;
    }
    if (avcodec_send_frame(c, nullptr) < 0 || !drain()) return false;
    return av_write_trailer(oc) == 0;
}

} // namespace zb::test
