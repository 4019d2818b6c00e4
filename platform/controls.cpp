// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include "keyboard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

QString OrangeButtonStyle(const QColor &textColor)
{
    return u"QPushButton { background: #ff8000; color: %1; border: 1px solid #b05000; "
           u"border-radius: 3px; }"
           u" QPushButton:pressed { background: #e07000; }"
           u" QPushButton:checked { background: #e06c00; border: 2px inset #a04a00; }"
           u" QPushButton:disabled { background: #ffc88f; color: #a07850; border-color: #d8a070; }"_s
               .arg(textColor.name()) +
           ButtonFocusStyle();
}

void SetAccessibleCaption(QWidget &control, const QString &caption)
{
    // The caption as written, blanks included: a screen reader spells out what is shown.
    control.setAccessibleName(caption);
    // An editable box takes the typing in its line edit, which is what gets the focus.
    if (auto *box = qobject_cast<QComboBox *>(&control); box && box->lineEdit())
        box->lineEdit()->setAccessibleName(caption);
}

CaptionLabel::CaptionLabel(const QString &name, QWidget *parent) : QLabel(parent)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setMouseTracking(true);
    setBackColor(std::nullopt);
}

namespace {

/// A label that takes the focus lays its caption out as a text document when its text is set
/// and when it is polished, at every size, though the caption draws exactly as plain text.
/// Done as a label without the focus, the step leaves the document to the moment the label
/// gets the focus.
template <class Step> auto AsWithoutFocus(QLabel &label, Step step)
{
    const Qt::FocusPolicy focus = label.focusPolicy();
    label.setFocusPolicy(Qt::NoFocus);
    const auto done = step();
    label.setFocusPolicy(focus);
    return done;
}

} // namespace

bool CaptionLabel::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        return AsWithoutFocus(*this, [&] { return QLabel::event(event); });
    return QLabel::event(event);
}

void CaptionLabel::setCaption(const QString &caption)
{
    AsWithoutFocus(*this, [&] {
        setText(caption);
        return true;
    });
    SetAccessibleCaption(*this, caption);
}

void CaptionLabel::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, color.darker(150));
    setPalette(colours);
}

QColor CaptionLabel::textColor() const
{
    return palette().color(QPalette::Active, QPalette::WindowText);
}

void CaptionLabel::setBackColor(std::optional<QColor> color)
{
    setAutoFillBackground(color.has_value());
    if (color) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, *color);
        setPalette(colours);
    }
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void CaptionLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT mouseMoved();
}

namespace {

double RelativeLuminance(const QColor &color)
{
    auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableBacking()
{
    // The focus ring's dark edge: the hover yellow on it is easy to read.
    return QColor(122, 31, 0);
}

CaptionFrame::CaptionFrame(const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent), m_caption(caption)
{
    setObjectName(name);
    setMouseTracking(true);
    SetAccessibleCaption(*this, caption);
}

void CaptionFrame::setBackColor(const QColor &color)
{
    m_backColor = color;
    update();
}

void CaptionFrame::setCaptionColor(const QColor &color)
{
    m_captionColor = color;
    update();
}

void CaptionFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColor);
    const QFontMetrics metrics(font());
    const int lineY = metrics.height() / 2;
    const QRect border = rect().adjusted(0, lineY, -1, -1);
    // An etched edge: a dark line with a light one inside it.
    painter.setPen(m_backColor.darker(160));
    painter.drawRect(border.adjusted(0, 0, -1, -1));
    painter.setPen(m_backColor.lighter(130));
    painter.drawRect(border.adjusted(1, 1, 0, 0));
    const int captionLeft = 8;
    const QRect captionArea(captionLeft, 0, metrics.horizontalAdvance(m_caption), metrics.height());
    painter.fillRect(captionArea, m_backColor);
    painter.setPen(m_captionColor);
    painter.drawText(captionArea, Qt::AlignLeft | Qt::AlignVCenter, m_caption);
}

void CaptionFrame::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    Q_EMIT backgroundMouseMoved();
}
