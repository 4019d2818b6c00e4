// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QtEndian>

/// An Ogg Opus file built page by page for tests, with every number a test may spoil. The
/// sound pages hold made-up packets: enough for the file check, not for a decoder.
struct OggPages {
    struct Page {
        quint8 flags = 0;
        qint64 granule = 0;
        quint32 serial = 0x4C55;
        quint32 sequence = 0;
        QList<QByteArray> packets;
        bool lastPacketGoesOn = false; // the page ends inside its last packet
        bool badCrc = false;
    };

    static constexpr quint16 PreSkip = 312;

    /// OpusHead, OpusTags and three pages of a second of mono sound each.
    static OggPages Whole()
    {
        OggPages ogg;
        QByteArray head = "OpusHead";
        head += char(1); // version
        head += char(1); // channels
        head += Le<quint16>(PreSkip) + Le<quint32>(16000) + Le<quint16>(0);
        head += char(0); // mapping family: mono or stereo
        QByteArray tags = "OpusTags" + Le<quint32>(4) + "test" + Le<quint32>(0);
        ogg.pages = {{0x02, 0, 0x4C55, 0, {head}}, {0, 0, 0x4C55, 1, {tags}}};
        for (quint32 i = 1; i <= 3; ++i)
            ogg.pages.append({0, PreSkip + 48000 * i, 0x4C55, 1 + i,
                              QList<QByteArray>(50, QByteArray(60, char(0x48 + i)))});
        ogg.pages.back().flags = 0x04;
        return ogg;
    }

    QByteArray bytes() const
    {
        QByteArray all;
        for (const Page &page : pages)
            all += PageBytes(page);
        return all;
    }

    template <typename T> static QByteArray Le(T v)
    {
        QByteArray bytes(sizeof(T), '\0');
        qToLittleEndian(v, bytes.data());
        return bytes;
    }

    static QByteArray PageBytes(const Page &page)
    {
        QByteArray lacing, body;
        for (qsizetype i = 0; i < page.packets.size(); ++i) {
            const QByteArray &packet = page.packets[i];
            body += packet;
            qsizetype left = packet.size();
            for (; left >= 255; left -= 255)
                lacing += char(255);
            if (i + 1 < page.packets.size() || !page.lastPacketGoesOn)
                lacing += char(left);
        }
        QByteArray header = "OggS";
        header += char(0);
        header += char(page.flags);
        header += Le<qint64>(page.granule) + Le<quint32>(page.serial) + Le<quint32>(page.sequence);
        header += Le<quint32>(0);
        header += char(lacing.size());
        QByteArray all = header + lacing + body;
        quint32 crc = 0;
        for (const char c : all) {
            crc ^= quint32(quint8(c)) << 24;
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
        qToLittleEndian(crc + (page.badCrc ? 1 : 0), all.data() + 22);
        return all;
    }

    QList<Page> pages;
};
