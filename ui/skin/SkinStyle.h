#pragma once
// The program's look as a style: Fusion's shapes and sizes with the skin's
// own painting of button faces, tabs, group frames, fields, tooltips and
// focus marks, and the skin's palette as its standard palette.
//
// It overrides painting only, never a metric, a size or a sub-rectangle, so
// every widget keeps exactly the geometry Fusion gives it. It changes no
// behaviour; hover is switched on for tabs so they can light up.

#include <QProxyStyle>

class SkinStyle : public QProxyStyle {
    Q_OBJECT
public:
    SkinStyle();

    QPalette standardPalette() const override;

    using QProxyStyle::polish;
    void polish(QWidget* widget) override;

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
};
