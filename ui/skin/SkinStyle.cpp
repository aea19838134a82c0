#include "ui/skin/SkinStyle.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOption>
#include <QTabBar>
#include <QTextCharFormat>


#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinPainting.h"
#include "ui/skin/SkinPalette.h"

using SkinPainting::Face;

SkinStyle::SkinStyle() : QProxyStyle(QStringLiteral("Fusion"))
{
    setObjectName(QStringLiteral("Skin"));
}

QPalette SkinStyle::standardPalette() const
{
    return SkinPalette();
}

namespace {

// Marks a widget whose hover this style switched on, so that unpolish()
// switches off only what polish() switched on.
constexpr char HoverBySkin[] = "skinHover";

// The colour a focus mark stands on: the one the caller names, else the
// window's.
QColor FocusBackground(const QStyleOption* option)
{
    if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
        focus && focus->backgroundColor.isValid())
        return focus->backgroundColor;
    return option->palette.color(QPalette::Window);
}

}  // namespace

void SkinStyle::polish(QWidget* widget)
{
    QProxyStyle::polish(widget);
    if (qobject_cast<QTabBar*>(widget) && !widget->testAttribute(Qt::WA_Hover)) {
        widget->setAttribute(Qt::WA_Hover);
        widget->setProperty(HoverBySkin, true);
    }
}

void SkinStyle::unpolish(QWidget* widget)
{
    if (widget->property(HoverBySkin).toBool()) {
        widget->setAttribute(Qt::WA_Hover, false);
        widget->setProperty(HoverBySkin, QVariant());
    }
    QProxyStyle::unpolish(widget);
}

int SkinStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    if (hint == SH_TextControl_FocusIndicatorTextCharFormat) {
        // The default is a dotted outline that rich-text labels never draw.
        if (auto* variant = qstyleoption_cast<QStyleHintReturnVariant*>(returnData)) {
            QTextCharFormat format;
            format.setBackground(QColor(SkinColours::Wood));
            format.setForeground(QColor(SkinColours::PaleText));
            variant->variant = format;
        }
        return 1;
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void SkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
    case PE_PanelButtonBevel:
    case PE_PanelButtonTool:
        SkinPainting::ButtonFace(*painter, option->rect, SkinPainting::FaceOf(option->state));
        return;
    case PE_FrameFocusRect:
        SkinPainting::FocusRing(*painter, option->rect, SkinPainting::FocusColourOn(FocusBackground(option)));
        return;
    case PE_Frame:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        // A list or text box shows its focus on its frame too; the ring's
        // inner half lies under the view.
        if ((option->state & State_HasFocus) && qobject_cast<const QAbstractScrollArea*>(widget))
            SkinPainting::FocusRing(*painter, option->rect, SkinPainting::FocusColourOn(FocusBackground(option)));
        return;
    case PE_FrameGroupBox:
        SkinPainting::GroupFrame(*painter, option->rect);
        return;
    case PE_FrameTabWidget:
        SkinPainting::TabPane(*painter, option->rect);
        return;
    case PE_PanelTipLabel:
        SkinPainting::TipPanel(*painter, option->rect);
        return;
    case PE_PanelLineEdit:
        if (DrawLineEditPanel(option, painter))
            return;
        break;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    switch (element) {
    case CE_PushButton:
        if (DrawPushButton(option, painter, widget))
            return;
        break;
    case CE_PushButtonBevel:
        if (DrawFlatButtonBevel(option, painter))
            return;
        break;
    case CE_PushButtonLabel:
        if (DrawButtonLabel(option, painter, widget))
            return;
        break;
    case CE_TabBarTabShape:
        if (DrawTabShape(option, painter))
            return;
        break;
    case CE_TabBarTabLabel:
        if (DrawTabLabel(option, painter, widget))
            return;
        break;
    default:
        break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void SkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    // An auto-raising tool button shows no face at rest under Fusion, and
    // its icon then floats on the window; give it the flat buttons' tag.
    if (control == CC_ToolButton && (option->state & State_AutoRaise)
        && !(option->state & (State_MouseOver | State_Sunken | State_On)))
        SkinPainting::FlatButtonFace(*painter, option->rect, SkinPainting::FaceOf(option->state));
    if ((control == CC_ToolButton || control == CC_ComboBox) && (option->state & State_HasFocus)) {
        DrawFocusedComplex(control, option, painter, widget);
        return;
    }
    if (control == CC_GroupBox) {
        DrawGroupBox(option, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void SkinStyle::DrawFocusedComplex(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                   const QWidget* widget) const
{
    // Fusion marks these inside, over the icon or the text, and a drop-down
    // only after a key press; the ring runs round the edge instead.
    // A copy of the option's own type: style options have no virtual
    // destructor, so they are never held through a base pointer.
    const auto drawRinged = [&](auto unfocused) {
        unfocused.state &= ~(State_HasFocus | State_KeyboardFocusChange);
        QProxyStyle::drawComplexControl(control, &unfocused, painter, widget);
        SkinPainting::FocusRing(*painter, option->rect, SkinPainting::FocusColourOn(FocusBackground(option)));
    };
    if (const auto* tool = qstyleoption_cast<const QStyleOptionToolButton*>(option))
        drawRinged(*tool);
    else if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option))
        drawRinged(*combo);
    else
        QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void SkinStyle::DrawGroupBox(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (!box || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(CC_GroupBox, option, painter, widget);
        return;
    }
    // The frame starts below the title, so that no line crosses it.
    const QRect title = box->text.isEmpty() ? QRect() : subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    SkinPainting::GroupFrame(*painter, SkinPainting::GroupFrameRect(box->rect, title));
    QStyleOptionGroupBox rest = *box;
    rest.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(CC_GroupBox, &rest, painter, widget);
}

bool SkinStyle::DrawFlatButtonBevel(const QStyleOption* option, QPainter* painter) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button || !(button->features & QStyleOptionButton::Flat) || (button->features & QStyleOptionButton::HasMenu))
        return false;
    SkinPainting::FlatButtonFace(*painter, button->rect, SkinPainting::FaceOf(button->state));
    return true;
}

bool SkinStyle::DrawButtonLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button || SkinPainting::FaceOf(button->state) != Face::On)
        return false;
    // Ink would vanish on the dark wood of a face that is on.
    QStyleOptionButton onWood = *button;
    onWood.palette.setColor(QPalette::ButtonText, QColor(SkinColours::GoldText));
    QProxyStyle::drawControl(CE_PushButtonLabel, &onWood, painter, widget);
    return true;
}

bool SkinStyle::DrawTabShape(const QStyleOption* option, QPainter* painter) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!tab || tab->shape != QTabBar::RoundedNorth)
        return false;
    SkinPainting::TabShape(*painter, tab->rect, tab->state & State_Selected,
                           (tab->state & State_MouseOver) && (tab->state & State_Enabled));
    return true;
}

bool SkinStyle::DrawLineEditPanel(const QStyleOption* option, QPainter* painter) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (!frame || frame->lineWidth <= 0)
        return false;
    QBrush fill = frame->palette.base();
    if ((frame->state & State_ReadOnly) && (frame->state & State_Enabled))
        fill = QColor(SkinColours::ReadOnlyField);
    SkinPainting::Field(*painter, frame->rect, fill, frame->state & State_HasFocus);
    return true;
}

bool SkinStyle::DrawTabLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* tab = qstyleoption_cast<const QStyleOptionTab*>(option);
    if (!tab || !(tab->state & State_HasFocus))
        return false;
    // Fusion marks a focused tab with a panel of its own, past this style;
    // the skin's ring keeps every focus mark alike.
    QStyleOptionTab unfocused = *tab;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(CE_TabBarTabLabel, &unfocused, painter, widget);
    SkinPainting::FocusRing(*painter, tab->rect.adjusted(3, 3, -3, -2), QColor(SkinColours::Ink));
    return true;
}

bool SkinStyle::DrawPushButton(const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button || !(button->state & State_HasFocus))
        return false;
    // Fusion's own focus mark shows only after a key press and bypasses this
    // style; the skin's ring shows whenever the button has the focus.
    QStyleOptionButton unfocused = *button;
    unfocused.state &= ~State_HasFocus;
    QProxyStyle::drawControl(CE_PushButton, &unfocused, painter, widget);
    const bool onWood = SkinPainting::FaceOf(button->state) == Face::On;
    SkinPainting::FocusRing(*painter, subElementRect(SE_PushButtonFocusRect, button, widget),
                            QColor(onWood ? SkinColours::PaleText : SkinColours::Ink));
    return true;
}
