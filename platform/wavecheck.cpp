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
    QByteArray id;
    qint64 offset; // of the chunk's body
    quint32 size;
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
    quint16 tag = 0;
    quint16 channels = 0;
    quint32 sampleRate = 0;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    quint16 bitsPerSample = 0;
};

std::optional<Format> ReadFormat(QIODevice &device, const Chunk &chunk)
{
    if (chunk.size < 16)
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
    const bool integer = format.tag == PcmFormat || format.tag == ExtensibleFormat;
    const bool bitsFit = format.tag == FloatFormat
                             ? format.bitsPerSample == 32
                             : (integer && format.bitsPerSample % 8 == 0 &&
                                format.bitsPerSample >= 8 && format.bitsPerSample <= 32);
    return bitsFit && format.channels >= 1 && format.channels <= MaxChannels &&
           format.sampleRate >= 1 && format.sampleRate <= MaxSampleRate &&
           format.blockAlign == format.channels * format.bitsPerSample / 8 &&
           format.byteRate == format.sampleRate * format.blockAlign;
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
        const qint64 end = chunk->offset + chunk->size;
        if (end > fileSize)
            return false;
        if (chunk->id == "fmt ") {
            format = ReadFormat(device, *chunk);
            if (!format || !IsSane(*format))
                return false;
        } else if (chunk->id == "data") {
            return format && chunk->size > 0 && chunk->size % format->blockAlign == 0;
        }
        // Chunks are padded to an even length.
        if (!device.seek(end + (chunk->size & 1)))
            return false;
    }
    return false;
}
