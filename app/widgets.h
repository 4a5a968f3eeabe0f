#pragma once

#include "vbcolor.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QWidget>

// The widgets behind the control kinds. They only paint and report events; what an event means
// is decided by the screen's handlers, which the screen model connects to these signals.

// Mouse events as the handlers receive them: the button (1 left, 2 right, 4 middle), the shift
// state (1 shift, 2 ctrl, 4 alt) and the position in pixels relative to the widget.
struct MouseArgs
{
    int button = 0;
    int shift = 0;
    QPointF position;
};

MouseArgs mouseArgs(const class QMouseEvent *event, bool heldButtons);

class VbButton : public QPushButton
{
    Q_OBJECT
public:
    explicit VbButton(QWidget *parent);

    void setGraphical(bool graphical);
    void setFaceColor(const QColor &color);
    void setPicture(const QPixmap &picture);

Q_SIGNALS:
    void mouseDown(const MouseArgs &args);
    void mouseMoved(const MouseArgs &args);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_graphical = false;
    QColor m_face;
    QPixmap m_picture;
};

// A label sets its text itself, with the whole-pixel widths of the classic desktop, so that it
// wraps where the designs expect and every glyph it draws lies inside it.
class VbLabel : public QLabel
{
    Q_OBJECT
public:
    explicit VbLabel(QWidget *parent);

    // The caption's lines as they are drawn at the label's present width.
    QStringList lines() const;

Q_SIGNALS:
    void clicked();
    void mouseMoved(const MouseArgs &args);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    // The lines last wrapped, and what they were wrapped for; labels repaint far more often
    // than their caption, font or width change.
    mutable QStringList m_lines;
    mutable QString m_wrappedFor;
};

// An image or a picture box: a picture drawn stretched or at its own size, with an optional
// single black border and, for picture boxes, a background colour.
class VbPicture : public QWidget
{
    Q_OBJECT
public:
    explicit VbPicture(QWidget *parent);

    void setPicture(const QString &source);
    QString picture() const { return m_source; }
    void setStretch(bool stretch);
    void setBorder(bool border);
    void setBackground(std::optional<QColor> color);

Q_SIGNALS:
    void clicked();
    void mouseMoved(const MouseArgs &args);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QString m_source;
    QSize m_naturalSize;
    QPixmap m_cache;
    bool m_stretch = false;
    bool m_border = false;
    std::optional<QColor> m_background;
};

// A line from one point to another, drawn under the windowed controls; it takes no events.
class VbLine : public QWidget
{
    Q_OBJECT
public:
    explicit VbLine(QWidget *parent);
    void setLine(QPointF from, QPointF to, int widthPixels, const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPointF m_from;
    QPointF m_to;
    int m_width = 1;
    QColor m_color;
};

class VbFrame : public QFrame
{
    Q_OBJECT
public:
    explicit VbFrame(QWidget *parent);

Q_SIGNALS:
    void clicked();
    void mouseMoved(const MouseArgs &args);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};

// The top-level window of a screen. Enter presses the focused button or else the Default
// button, Esc the Cancel button; the frame's close command is reported, never carried out here.
class ScreenWindow : public QWidget
{
    Q_OBJECT
public:
    explicit ScreenWindow(Qt::WindowFlags flags);

    void setDefaultButton(QAbstractButton *button) { m_default = button; }
    void setCancelButton(QAbstractButton *button) { m_cancel = button; }
    void setBackPicture(const QPixmap &picture);
    void setKeyPreview(bool on) { m_keyPreview = on; }
    void watchKeysOf(QWidget *child);
    void allowClose() { m_closing = true; }

Q_SIGNALS:
    void clicked();
    void keyPressed(const QString &text);
    void mouseMoved(const MouseArgs &args);
    void closeRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool pressDefaultOrCancel(QKeyEvent *event);
    // While a button pressed on a control stays held, its movements and its release go to that
    // control wherever the pointer is, also after a modal window came between.
    bool keepHold(QMouseEvent *event);

    QPointer<QAbstractButton> m_default;
    QPointer<QAbstractButton> m_cancel;
    QPixmap m_backPicture;
    bool m_keyPreview = false;
    bool m_closing = false;
    QPointer<QWidget> m_holder;
    bool m_holdInterrupted = false;
    QSet<const QObject *> m_watched;
};
