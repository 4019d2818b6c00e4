// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

class QPaintDevice;

/// Twips per inch: every size and position on windows and pages is given in twips.
inline constexpr double TwipsPerInch = 1440.0;

/// Converts twips to a device's pixels and back, at the device's logical dpi
/// (15 twips make a pixel at 96 dpi).
class TwipScale {
public:
    explicit constexpr TwipScale(double dpi = 96.0) : m_dpi(dpi > 0 ? dpi : 96.0) {}

    /// The scale of a window, a picture box or a printer page.
    static TwipScale of(const QPaintDevice &device);

    constexpr double dpi() const { return m_dpi; }
    constexpr double toPixelsF(double twips) const { return twips * m_dpi / TwipsPerInch; }
    int toPixels(double twips) const { return qRound(toPixelsF(twips)); }
    constexpr double toTwips(double pixels) const { return pixels * TwipsPerInch / m_dpi; }

private:
    double m_dpi;
};

/// A colour written as the number 0x00BBGGRR, as the windows' designs give them.
inline QColor colorFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

/// The colours the windows use most.
namespace Bgr {
inline constexpr quint32 Red = 0x000000FF;
inline constexpr quint32 Yellow = 0x0000FFFF;
inline constexpr quint32 Green = 0x0000FF00;
inline constexpr quint32 Orange = 0x000080FF;
} // namespace Bgr

/// The red the windows write their captions and typewritten texts in.
inline QColor RedColor()
{
    return colorFromBgr(Bgr::Red);
}
