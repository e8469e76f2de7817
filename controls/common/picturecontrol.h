#pragma once
// TPictureControl: the skeleton every control shares that draws itself into a picture
// (numeric label, axis, chart, 3-D plot).
//
// A property change: the setter stores the value through Change, which calls
// PropertyChanged; by default that repaints at once: Render draws the whole control
// into the picture and update() has the screen refreshed. A control that may not
// render now (CanRender false, e.g. while hidden) marks the picture out of date
// instead.
// A paint: an out-of-date picture (or one of another size than the control) is
// rendered first when the control may render; then the picture is copied to the
// screen. Showing the control again (setVisible) catches up in the same way, and so
// does a resize.
// The standard mouse events are reported for every control; a control that does more
// with the mouse calls these handlers from its own.
#include "controls/common/colorscheme.h"
#include "platform/bitmap.h"
#include "platform/mouseevents.h"

#include <QWidget>
#include <utility>

class TPictureControl : public QWidget, public TMouseEventSource {
    Q_OBJECT
public:
    // The picture as last rendered.
    const TBitmap& Picture() const { return m_picture; }
    // The picture, rendered first when it is out of date and the control may render.
    const TBitmap& CurrentPicture() const;

    void setVisible(bool visible) override;

protected:
    explicit TPictureControl(QWidget* parent);

    // How a setter treats a value equal to the current one: ignores it, or (with
    // kEvenIfSame) stores it and repaints all the same.
    enum class TSameValue { Ignore, Repaint };
    static constexpr TSameValue kEvenIfSame = TSameValue::Repaint;
    // The one setter helper: stores value and reports the change (PropertyChanged).
    template <typename T, typename V>
    void Change(T& field, V&& value, TSameValue same = TSameValue::Ignore)
    {
        if (same == TSameValue::Ignore && field == value)
            return;
        field = std::forward<V>(value);
        PropertyChanged();
    }
    // What a change of the control's state does; by default it repaints at once.
    virtual void PropertyChanged() { Repaint(); }
    // What showing the control again does; by default it renders a picture that went
    // out of date while hidden.
    virtual void CatchUp() { RenderIfOutdated(); }

    // Renders the picture now and asks for the screen to be refreshed; marks it out of
    // date instead when the control may not render now.
    void Repaint();
    void MarkOutdated() { m_outdated = true; }
    // The picture shows the control's state at its size.
    bool PictureCurrent() const;
    void RenderIfOutdated();
    void RenderPicture();

    // Whether the control may render now; by default unless it has been hidden.
    virtual bool CanRender() const;
    // Draws the whole control, starting with PictureCanvas().
    virtual void Render() = 0;
    // The picture sized like the control, to draw on.
    TCanvas& PictureCanvas();
    TBitmap& PictureBuffer() { return m_picture; }
    // The control's outer frame in style, shaded in colors, with fsSimple outlined in
    // simpleLine.
    void DrawControlFrame(TCanvas& canvas, TFrameStyle style, const TFrameColors& colors,
                          TColor simpleLine) const;

    // Assign and AssignTo work between controls of one kind only; they raise
    // EGryphError for anything else.
    template <typename Control>
    static const Control& AssignSource(const QObject* source, const QObject* dest)
    {
        const auto* control = qobject_cast<const Control*>(source);
        if (!control)
            ThrowCannotAssign(source, dest);
        return *control;
    }
    template <typename Control>
    void AssignToOwnKind(QObject* dest) const
    {
        auto* other = qobject_cast<Control*>(dest);
        if (!other)
            ThrowCannotAssign(this, dest);
        other->Assign(this);
    }

    // Copies the picture to the screen, rendered first when it is out of date.
    void paintEvent(QPaintEvent*) override;
    // Renders a picture that the new size left behind.
    void resizeEvent(QResizeEvent*) override;
    // Report the standard mouse events.
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    [[noreturn]] static void ThrowCannotAssign(const QObject* source, const QObject* dest);

    TBitmap m_picture;
    bool m_outdated = true;
};
