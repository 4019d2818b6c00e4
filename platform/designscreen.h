// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

/// Every window is designed for a screen of 1024 × 768 pixels: its controls are placed in twips
/// of that screen, whatever screen the pupil has. A real window shows its design scaled whole,
/// by s = min(W / 1024, H / 768) of the window's size, and centred.
namespace DesignScreen {

inline constexpr QSize Pixels{1024, 768};
inline constexpr double WidthTwips = 15360;
inline constexpr double HeightTwips = 11520;

/// The scale at which a design of designPixels fits into area whole.
double scaleFor(const QSize &area, const QSize &designPixels = Pixels);
/// The scale the full-screen windows have on the screen the widget is on (1 without a screen).
double scaleOfScreen(const QWidget &widget);
/// Where a design of designPixels shows in area at the given scale: centred, and never above
/// the area's top.
QRect stageRect(const QSize &area, double scale, const QSize &designPixels = Pixels);

/// The scale of the design the widget is part of: that of the nearest ancestor (or the widget
/// itself) that holds one; 1 for a widget outside any design.
double scaleOf(const QWidget &widget);
/// Makes holder and everything in it drawn at the given scale of its design.
void setScale(QWidget &holder, double scale);

/// A full-screen window's first step on opening: it takes the whole of its screen.
void fillScreen(QWidget &window);

} // namespace DesignScreen

class FontScaler;

/// The area of a window that holds its controls, laid out on the design screen. It follows its
/// window's size: scaled whole by the window's scale and centred in its parent, the window's
/// client area. A window's menu bar takes its height off the bottom of the design screen, as it
/// did on the screen the windows were designed on. Controls placed in it through TwipScale::of()
/// come out at the scale, and every font set on a control in it is drawn at the scale too (the
/// size a control is given is its design size).
class DesignStage : public QWidget {
    Q_OBJECT
public:
    explicit DesignStage(QWidget &parent, QSize designPixels = DesignScreen::Pixels);
    ~DesignStage() override;

    QSize designPixels() const { return m_designPixels; }
    double scale() const { return DesignScreen::scaleOf(*this); }
    /// Scales and centres the stage into area (its parent's size, normally done on its own).
    void fitInto(const QSize &area);

Q_SIGNALS:
    /// The scale changed: controls placed in pixels must be placed again.
    void rescaled();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSize m_designPixels;
    FontScaler *m_fonts;
};

/// Makes a design font's size follow the scale of its widget's design. Used by DesignStage, and
/// by windows that scale without a stage of their own.
class FontScaler : public QObject {
    Q_OBJECT
public:
    explicit FontScaler(QWidget &root);
    /// Draws every font set in root's tree at the root's current scale.
    void apply();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget &widget);
    void scaleFont(QWidget &widget);

    QPointer<QWidget> m_root;
    bool m_applying = false;
};
