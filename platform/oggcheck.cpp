// SPDX-License-Identifier: GPL-3.0-or-later
#include "oggcheck.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr qsizetype PageHeaderBytes = 27;
constexpr qsizetype MaxPageBytes = PageHeaderBytes + 255 + 255 * 255;
constexpr quint8 ContinuedPacket = 0x01;
constexpr quint8 FirstPage = 0x02;
constexpr quint8 LastPage = 0x04;
constexpr qint64 NoPacketEnds = -1;
// An hour and a half of speech at 24 kb/s; reading more would hold up the window.
constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;
constexpr qsizetype OpusHeadBytes = 19;
constexpr quint8 MaxChannels = 8;

constexpr std::array<quint32, 256> MakeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 r = i << 24;
        for (int bit = 0; bit < 8; ++bit)
            r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
        table[i] = r;
    }
    return table;
}

constexpr std::array<quint32, 256> CrcTable = MakeCrcTable();

quint32 OggCrc(quint32 crc, QByteArrayView bytes)
{
    for (const char c : bytes)
        crc = (crc << 8) ^ CrcTable[((crc >> 24) ^ quint8(c)) & 0xFF];
    return crc;
}

struct Page {
    quint8 flags = 0;
    qint64 granule = 0;
    quint32 serial = 0;
    quint32 sequence = 0;
    QByteArray lacing;
    QByteArray body;

    /// Packets that end on this page: each lacing value below 255 closes one.
    int endedPackets() const
    {
        return int(
            std::count_if(lacing.cbegin(), lacing.cend(), [](char v) { return quint8(v) < 255; }));
    }
    bool endsInsidePacket() const { return !lacing.isEmpty() && quint8(lacing.back()) == 255; }
};

/// The next page, whole and with a right checksum, or nothing.
std::optional<Page> ReadPage(QIODevice &device)
{
    QByteArray header = device.read(PageHeaderBytes);
    if (header.size() != PageHeaderBytes || !header.startsWith("OggS") || header[4] != 0)
        return std::nullopt;
    const char *p = header.constData();
    Page page{quint8(p[5]),
              qFromLittleEndian<qint64>(p + 6),
              qFromLittleEndian<quint32>(p + 14),
              qFromLittleEndian<quint32>(p + 18),
              device.read(quint8(p[26])),
              {}};
    if (page.lacing.size() != quint8(p[26]))
        return std::nullopt;
    qsizetype bodyBytes = 0;
    for (const char v : page.lacing)
        bodyBytes += quint8(v);
    page.body = device.read(bodyBytes);
    if (page.body.size() != bodyBytes)
        return std::nullopt;
    const quint32 storedCrc = qFromLittleEndian<quint32>(p + 22);
    header.replace(22, 4, QByteArray(4, '\0'));
    const quint32 crc = OggCrc(OggCrc(OggCrc(0, header), page.lacing), page.body);
    if (crc != storedCrc)
        return std::nullopt;
    return page;
}

/// The pre-skip of an identification header the decoder can use, alone on the first page.
std::optional<quint16> ReadOpusHead(const Page &page)
{
    const QByteArray &head = page.body;
    if (page.flags != FirstPage || page.granule != 0 || page.sequence != 0 ||
        page.endedPackets() != 1 || page.endsInsidePacket() || head.size() < OpusHeadBytes ||
        !head.startsWith("OpusHead"))
        return std::nullopt;
    const quint8 version = quint8(head[8]);
    const quint8 channels = quint8(head[9]);
    const quint8 family = quint8(head[18]);
    const bool layoutKnown =
        (family == 0 && channels <= 2) ||
        (family == 1 && channels <= MaxChannels && head.size() >= OpusHeadBytes + 2 + channels);
    if (version == 0 || version > 15 || channels == 0 || !layoutKnown)
        return std::nullopt;
    return qFromLittleEndian<quint16>(head.constData() + 10);
}

/// Follows the pages after the first, as they come, and says whether they make a stream.
class StreamWalk {
public:
    StreamWalk(const Page &first, quint16 preSkip) : m_serial(first.serial), m_preSkip(preSkip) {}

    bool take(const Page &page)
    {
        const bool continued = page.flags & ContinuedPacket;
        if (page.serial != m_serial || page.sequence != m_lastSequence + 1 ||
            (page.flags & FirstPage) || continued != m_insidePacket || m_ended)
            return false;
        if (m_packets == 1 && !continued && !page.body.startsWith("OpusTags"))
            return false;
        m_lastSequence = page.sequence;
        m_insidePacket = page.endsInsidePacket();
        m_packets += page.endedPackets();
        m_ended = page.flags & LastPage;
        return takeGranule(page.granule);
    }

    /// True once the last page was taken: tags, sound, and a stream closed after a packet.
    bool isWhole() const
    {
        return m_ended && !m_insidePacket && m_packets > 2 && m_granule > m_preSkip;
    }

private:
    bool takeGranule(qint64 granule)
    {
        if (granule == NoPacketEnds)
            return !m_ended;
        // Pages that end only header packets stand at the very start.
        if (granule < m_granule || (m_packets <= 2 && granule != 0))
            return false;
        m_granule = granule;
        return true;
    }

    quint32 m_serial;
    quint16 m_preSkip;
    quint32 m_lastSequence = 0;
    int m_packets = 1;
    qint64 m_granule = 0;
    bool m_insidePacket = false;
    bool m_ended = false;
};

/// The page that ends the file, found in its last tailBytes: the last capture pattern from
/// which a whole page with a right checksum runs exactly to the end.
std::optional<Page> ReadLastPage(QIODevice &device, qint64 tailBytes)
{
    const qint64 tailStart = qMax<qint64>(0, device.size() - tailBytes);
    if (!device.seek(tailStart))
        return std::nullopt;
    const QByteArray tail = device.read(tailBytes);
    for (qsizetype at = tail.lastIndexOf("OggS"); at >= 0; at = tail.lastIndexOf("OggS", at - 1)) {
        if (!device.seek(tailStart + at))
            return std::nullopt;
        std::optional<Page> page = ReadPage(device);
        if (page && device.atEnd())
            return page;
        if (at == 0)
            break;
    }
    return std::nullopt;
}

/// The last page, looked for first where it nearly always lies, a second of speech or less.
std::optional<Page> ReadLastPage(QIODevice &device)
{
    constexpr qint64 UsualTailBytes = 4096;
    std::optional<Page> page = ReadLastPage(device, UsualTailBytes);
    if (!page && device.size() > UsualTailBytes)
        page = ReadLastPage(device, MaxPageBytes);
    return page;
}

} // namespace

bool HasWholeOggOpusEnds(QIODevice &device)
{
    if (device.size() > MaxFileBytes)
        return false;
    const std::optional<Page> first = ReadPage(device);
    const std::optional<quint16> preSkip = first ? ReadOpusHead(*first) : std::nullopt;
    if (!preSkip)
        return false;
    const std::optional<Page> last = ReadLastPage(device);
    return last && last->serial == first->serial && last->sequence > 1 &&
           (last->flags & LastPage) && !last->endsInsidePacket() && last->granule > *preSkip;
}

bool IsPlayableOggOpus(QIODevice &device)
{
    if (device.size() > MaxFileBytes)
        return false;
    const std::optional<Page> first = ReadPage(device);
    if (!first)
        return false;
    const std::optional<quint16> preSkip = ReadOpusHead(*first);
    if (!preSkip)
        return false;
    StreamWalk walk(*first, *preSkip);
    while (!device.atEnd()) {
        const std::optional<Page> page = ReadPage(device);
        if (!page || !walk.take(*page))
            return false;
    }
    return walk.isWhole();
}
