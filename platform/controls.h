// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

#include <optional>

/// Gives a control the name a screen reader reads for it; for labels and buttons, the caption.
void SetAccessibleCaption(QWidget &control, const QString &caption);

/// The style of the windows' orange buttons, with captions in textColor: darker while pressed
/// or latched down, faded while disabled, so the pupil sees it is not ready yet; the focus
/// shows as on every button.
QString OrangeButtonStyle(const QColor &textColor = Qt::black);

/// A label as the windows are designed with: a caption in a colour, on a back colour or
/// transparent, placed in twips. It reports clicks and mouse moves over itself, and these do
/// not reach the window beneath.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString &name, QWidget *parent = nullptr);

    /// Sets the text shown and the name read for it.
    void setCaption(const QString &caption);
    QString caption() const { return text(); }

    void setTextColor(const QColor &color);
    QColor textColor() const;
    /// A back colour, or none for a transparent label.
    void setBackColor(std::optional<QColor> color);

Q_SIGNALS:
    void clicked();
    void mouseMoved();

protected:
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

/// The contrast ratio of two colours, 1 (none) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);
/// The least contrast a caption keeps with what it is drawn on.
inline constexpr double LeastCaptionContrast = 3.0;
/// The dark backing that keeps a light caption readable.
QColor ReadableBacking();

/// A frame with a caption on its top edge, filled with its back colour. It reports mouse
/// moves over its own background (not over the controls it holds).
class CaptionFrame : public QWidget {
    Q_OBJECT
public:
    CaptionFrame(const QString &name, const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    void setBackColor(const QColor &color);
    void setCaptionColor(const QColor &color);
    QColor captionColor() const { return m_captionColor; }

Q_SIGNALS:
    void backgroundMouseMoved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_caption;
    QColor m_backColor = Qt::white;
    QColor m_captionColor = Qt::black;
};
