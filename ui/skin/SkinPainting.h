#pragma once
// The drawing of the skin's surfaces, apart from the style that decides when
// to use them. Each draws inside the given rectangle only and leaves the
// painter's pen, brush and render hints as it found them.

#include <QStyle>

class QPainter;
class QRect;
class QBrush;
class QColor;

namespace SkinPainting {

// How a button face looks. A current tab or a checked button is `On`;
// `Disabled` wins over every other state, `On` over pressed, pressed over
// hover.
enum class Face { Resting, Hover, Pressed, On, Disabled };

Face FaceOf(QStyle::State state);

// A push button's or tool button's face: gold, lit under the mouse, pressed
// darker, and dark wood when on.
void ButtonFace(QPainter& painter, const QRect& rect, Face face);

// A flat button's face: a quiet parchment tag at rest, the gold faces once
// hovered or pressed, so that it still reads as a button.
void FlatButtonFace(QPainter& painter, const QRect& rect, Face face);

// A tab on top of its pane; the current one joins the pane's parchment.
void TabShape(QPainter& painter, const QRect& rect, bool current, bool hover);

// The frame of a tab widget's pane, filled with parchment.
void TabPane(QPainter& painter, const QRect& rect);

// An engraved wooden line around a group box's contents.
void GroupFrame(QPainter& painter, const QRect& rect);

// An edit field: `fill`, framed in light wood; focused, the frame turns into
// the focus ring.
void Field(QPainter& painter, const QRect& rect, const QBrush& fill, bool focused);

// A tooltip's cream panel with a wooden edge.
void TipPanel(QPainter& painter, const QRect& rect);

// The keyboard focus mark: a solid ring two pixels wide just inside `rect`,
// in `colour`. A rect under 4 x 4 pixels gets none.
void FocusRing(QPainter& painter, const QRect& rect, const QColor& colour);

// The focus ring's colour on `background`: ink on parchment, gold and light
// faces, pale gold on wood; at least 3:1 against it either way.
QColor FocusColourOn(const QColor& background);

// Where the frame of a group box runs when its title occupies `title`
// (empty: no title): the top line passes below the title, so no line
// crosses it. `rect` is the whole box.
QRect GroupFrameRect(const QRect& rect, const QRect& title);

}  // namespace SkinPainting
