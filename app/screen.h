#pragma once

#include "control.h"
#include "design.h"
#include "messageboxes.h"

#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <memory>
#include <vector>

class Navigator;
#include "widgets.h"

// What a handler receives with an event: the member of a control array that raised it, and for
// mouse events the button, the shift state and the position in twips.
struct EventArgs
{
    int index = NoIndex;
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
    QString key;
};

enum class Event { Click, MouseDown, MouseMove, Timer };

// Where a window of this size opens on the desktop's free area: centred, as far as it fits.
QPoint centredOn(const QRect &area, const QSize &size);

// One screen of the program. The object lives for the whole run and keeps the screen's own
// variables; its window and controls exist only while it is loaded. Every load builds them anew
// from the design layout and runs Form_Load, every unload throws them away.
class Screen : public QObject
{
    Q_OBJECT
public:
    Screen(Navigator &navigator, const QString &name);
    ~Screen() override;

    const QString &name() const { return m_name; }
    bool isLoaded() const { return m_window != nullptr; }

    // Outer size: the client area plus a nominal frame, the same on every desktop.
    static constexpr float FrameWidth = 90;
    static constexpr float FrameHeight = 375;

    float width() const { return m_clientWidth + FrameWidth; }
    float height() const { return m_clientHeight + FrameHeight; }
    void setWidth(float outer);
    void setHeight(float outer);
    float scaleWidth() const { return m_clientWidth; }
    float scaleHeight() const { return m_clientHeight; }

    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);
    VbColor backColor() const { return m_backColor; }
    void setBackColor(VbColor color);
    void setMousePointer(const Pointer &pointer);
    // The screen's picture, drawn at its own size from the client area's top-left corner under
    // every control. Returns false, leaving no picture, when the source cannot be read.
    bool setPicture(const QString &source);
    const Pointer &mousePointer() const { return m_pointer; }
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    Control &ctl(const QString &name, int index = NoIndex) const;
    Control *findControl(const QString &name, int index = NoIndex) const;
    const std::vector<std::unique_ptr<Control>> &controls() const { return m_controls; }

    ScreenWindow *window() const { return m_window; }
    virtual const ScreenDesign &design() const = 0;

protected:
    Navigator &nav() const { return m_navigator; }

    // Runs the steps of a load that the screen guards: an error there ends them with the
    // generic error message, and the screen opens as far as the load got.
    void guarded(const std::function<void()> &steps);

    // Connects a handler to an event of every member of the named control (or control array).
    void on(const QString &control, Event event, std::function<void(const EventArgs &)> handler);
    void onForm(Event event, std::function<void(const EventArgs &)> handler);
    void onFormKeyPress(std::function<void(const QString &key)> handler);

    virtual void connectHandlers() {}
    virtual void Form_Load() {}
    // Extra steps when the window frame's own close command unloads the screen.
    virtual void Form_FrameClose() {}

private:
    friend class Navigator;
    void load();
    void display(bool modal);
    void unload();
    void focusFirst();
    void applyWindowSize();
    std::function<void()> dispatch(std::function<void()> handler);
    void deliver(int generation, const std::function<void()> &handler);

    Navigator &m_navigator;
    QString m_name;
    QString m_caption;
    VbColor m_backColor = VbColors::ButtonFace;
    Pointer m_pointer;
    float m_clientWidth = 0;
    float m_clientHeight = 0;
    QString m_tag;
    QPointer<ScreenWindow> m_window;
    std::vector<std::unique_ptr<Control>> m_controls;
    int m_generation = 0;
};
