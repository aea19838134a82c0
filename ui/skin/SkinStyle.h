#pragma once
// The program's look as a style: Fusion's shapes and sizes with the skin's
// own painting of button faces, tabs, group frames, fields, tooltips and
// focus marks, and the skin's palette as its standard palette.
//
// It overrides painting only (and the look of a focused link in a text),
// never a metric, a size or a sub-rectangle, so every widget keeps exactly
// the geometry Fusion gives it. It changes no behaviour; hover is switched
// on for tabs so they can light up.
//
// Focus shows on every control that takes it, from the first showing on,
// not only after a key press: a solid ring (SkinPainting::FocusRing) in ink
// or, on wood, in pale gold; a focused link in a text turns pale gold on wood.

#include <QProxyStyle>

class SkinStyle : public QProxyStyle {
    Q_OBJECT
public:
    SkinStyle();

    QPalette standardPalette() const override;

    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void polish(QWidget* widget) override;
    // Undoes what polish() set on `widget`, and only that.
    void unpolish(QWidget* widget) override;

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    bool DrawPushButton(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool DrawFlatButtonBevel(const QStyleOption* option, QPainter* painter) const;
    bool DrawButtonLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool DrawTabShape(const QStyleOption* option, QPainter* painter) const;
    bool DrawTabLabel(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    bool DrawLineEditPanel(const QStyleOption* option, QPainter* painter) const;
    void DrawFocusedComplex(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const;
    void DrawGroupBox(const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const;
};
