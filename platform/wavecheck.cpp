// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavecheck.h"

#include <QtEndian>

#include <optional>

namespace {

constexpr quint16 PcmFormat = 1;
constexpr quint16 FloatFormat = 3;
constexpr quint16 ExtensibleFormat = 0xFFFE;
constexpr quint32 MaxChannels = 8;
constexpr quint32 MaxSampleRate = 384000;

struct Chunk {
    QByteArray Id;
    qint64 Offset; // of the chunk's body
    quint32 Size;
};

std::optional<Chunk> ReadChunkHeader(QIODevice &device)
{
    const qint64 offset = device.pos() + 8;
    const QByteArray header = device.read(8);
    if (header.size() != 8)
        return std::nullopt;
    return Chunk{header.first(4), offset, qFromLittleEndian<quint32>(header.constData() + 4)};
}

struct Format {
    quint16 Tag = 0;
    quint16 Channels = 0;
    quint32 SampleRate = 0;
    quint32 ByteRate = 0;
    quint16 BlockAlign = 0;
    quint16 BitsPerSample = 0;
};

std::optional<Format> ReadFormat(QIODevice &device, const Chunk &chunk)
{
    if (chunk.Size < 16)
        return std::nullopt;
    const QByteArray body = device.read(16);
    if (body.size() != 16)
        return std::nullopt;
    const char *p = body.constData();
    return Format{qFromLittleEndian<quint16>(p),      qFromLittleEndian<quint16>(p + 2),
                  qFromLittleEndian<quint32>(p + 4),  qFromLittleEndian<quint32>(p + 8),
                  qFromLittleEndian<quint16>(p + 12), qFromLittleEndian<quint16>(p + 14)};
}

bool IsSane(const Format &format)
{
    const bool integer = format.Tag == PcmFormat || format.Tag == ExtensibleFormat;
    const bool bitsFit = format.Tag == FloatFormat
                             ? format.BitsPerSample == 32
                             : (integer && format.BitsPerSample % 8 == 0 &&
                                format.BitsPerSample >= 8 && format.BitsPerSample <= 32);
    return bitsFit && format.Channels >= 1 && format.Channels <= MaxChannels &&
           format.SampleRate >= 1 && format.SampleRate <= MaxSampleRate &&
           format.BlockAlign == format.Channels * format.BitsPerSample / 8 &&
           format.ByteRate == format.SampleRate * format.BlockAlign;
}

} // namespace

bool IsPlayableWave(QIODevice &device)
{
    const qint64 fileSize = device.size();
    const QByteArray riff = device.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.sliced(8) != "WAVE")
        return false;
    std::optional<Format> format;
    while (auto chunk = ReadChunkHeader(device)) {
        const qint64 end = chunk->Offset + chunk->Size;
        if (end > fileSize)
            return false;
        if (chunk->Id == "fmt ") {
            format = ReadFormat(device, *chunk);
            if (!format || !IsSane(*format))
                return false;
        } else if (chunk->Id == "data") {
            return format && chunk->Size > 0 && chunk->Size % format->BlockAlign == 0;
        }
        // Chunks are padded to an even length.
        if (!device.seek(end + (chunk->Size & 1)))
            return false;
    }
    return false;
}
