// Writing sound files: plain RIFF/WAV by hand, music through FFmpeg's Windows
// Media Audio encoder and ASF muxer, both set to bit-exact output so that two
// runs give the same bytes.
#include "tools/assetgen/SoundFiles.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace zb::audio {

namespace {

void put16(std::string& out, std::uint32_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::int16_t toPcm(double v) {
    const double s = std::round(std::clamp(v, -1.0, 1.0) * 32767.0);
    return static_cast<std::int16_t>(s);
}

std::string avError(int code) {
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buf, sizeof buf);
    return buf;
}

} // namespace

bool writeWav(const std::string& path, const synth::Samples& left, const synth::Samples* right) {
    const std::uint32_t channels = right ? 2 : 1;
    const auto frames = static_cast<std::uint32_t>(left.size());
    const std::uint32_t dataBytes = frames * channels * 2;
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVE";
    out += "fmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, synth::kRate);
    put32(out, synth::kRate * channels * 2); // bytes per second
    put16(out, channels * 2);                // block align
    put16(out, 16);                          // bits per sample
    out += "data";
    put32(out, dataBytes);
    for (std::size_t i = 0; i < left.size(); ++i) {
        put16(out, static_cast<std::uint16_t>(toPcm(left[i])));
        if (right)
            put16(out, static_cast<std::uint16_t>(toPcm(i < right->size() ? (*right)[i] : 0)));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}

std::string writeWma(const std::string& path, const synth::Stereo& music, int bitRate) {
    AVFormatContext* oc = nullptr;
    AVCodecContext* ctx = nullptr;
    AVFrame* frame = nullptr;
    AVPacket* packet = nullptr;
    std::string error;
    auto fail = [&](const std::string& what, int code) {
        if (error.empty()) error = what + (code < 0 ? ": " + avError(code) : std::string());
    };

    int rc = avformat_alloc_output_context2(&oc, nullptr, "asf", path.c_str());
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
    if (rc < 0 || !oc) {
        fail("no ASF muxer", rc);
    } else if (!codec) {
        fail("no wmav2 encoder", 0);
    } else {
        // No creation time, no library version string: the same bytes every run.
        oc->flags |= AVFMT_FLAG_BITEXACT;
        ctx = avcodec_alloc_context3(codec);
        ctx->sample_fmt = AV_SAMPLE_FMT_FLTP;
        ctx->sample_rate = synth::kRate;
        const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
        av_channel_layout_copy(&ctx->ch_layout, &stereo);
        ctx->bit_rate = bitRate;
        ctx->time_base = AVRational{1, synth::kRate};
        ctx->flags |= AV_CODEC_FLAG_BITEXACT;
        if (oc->oformat->flags & AVFMT_GLOBALHEADER) ctx->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if ((rc = avcodec_open2(ctx, codec, nullptr)) < 0) fail("cannot open the encoder", rc);
    }
    AVStream* stream = nullptr;
    if (error.empty()) {
        stream = avformat_new_stream(oc, nullptr);
        if (!stream) fail("cannot add a stream", 0);
    }
    if (error.empty()) {
        avcodec_parameters_from_context(stream->codecpar, ctx);
        stream->time_base = ctx->time_base;
        if ((rc = avio_open(&oc->pb, path.c_str(), AVIO_FLAG_WRITE)) < 0)
            fail("cannot create the file", rc);
        else if ((rc = avformat_write_header(oc, nullptr)) < 0)
            fail("cannot write the header", rc);
    }
    if (error.empty()) {
        frame = av_frame_alloc();
        packet = av_packet_alloc();
        auto drain = [&] {
            while ((rc = avcodec_receive_packet(ctx, packet)) == 0) {
                av_packet_rescale_ts(packet, ctx->time_base, stream->time_base);
                packet->stream_index = stream->index;
                if ((rc = av_interleaved_write_frame(oc, packet)) < 0) fail("cannot write", rc);
            }
            if (rc != AVERROR(EAGAIN) && rc != AVERROR_EOF) fail("encoder failed", rc);
        };
        // One frame of silence ahead of the music (the encoder's delay).
        const auto pad = static_cast<std::size_t>(ctx->frame_size);
        const auto frameSize = static_cast<std::size_t>(ctx->frame_size);
        const std::size_t total = pad + music.size();
        for (std::size_t pos = 0; pos < total && error.empty(); pos += frameSize) {
            const std::size_t len = std::min(frameSize, total - pos);
            frame->nb_samples = static_cast<int>(len);
            frame->format = ctx->sample_fmt;
            frame->sample_rate = ctx->sample_rate;
            av_channel_layout_copy(&frame->ch_layout, &ctx->ch_layout);
            if ((rc = av_frame_get_buffer(frame, 0)) < 0) {
                fail("out of memory", rc);
                break;
            }
            const synth::Samples* channels[2] = {&music.left, &music.right};
            for (int ch = 0; ch < 2; ++ch) {
                auto* dst = reinterpret_cast<float*>(frame->data[ch]);
                for (std::size_t i = 0; i < len; ++i) {
                    const std::size_t k = pos + i;
                    dst[i] = k < pad ? 0.0f : static_cast<float>((*channels[ch])[k - pad]);
                }
            }
            frame->pts = static_cast<std::int64_t>(pos);
            if ((rc = avcodec_send_frame(ctx, frame)) < 0) fail("encoder refused a frame", rc);
            av_frame_unref(frame);
            drain();
        }
        if (error.empty()) {
            avcodec_send_frame(ctx, nullptr);
            drain();
        }
        if (error.empty() && (rc = av_write_trailer(oc)) < 0) fail("cannot finish the file", rc);
    }
    if (oc && oc->pb) avio_closep(&oc->pb);
    av_packet_free(&packet);
    av_frame_free(&frame);
    avcodec_free_context(&ctx);
    avformat_free_context(oc);
    return error;
}

} // namespace zb::audio
