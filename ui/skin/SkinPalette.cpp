#include "ui/skin/SkinPalette.h"

#include <algorithm>
#include <cmath>

#include "ui/skin/SkinColours.h"

namespace {

struct RoleColour {
    QPalette::ColorRole role;
    QRgb active;
    QRgb disabled;
};

using namespace SkinColours;

const RoleColour Roles[] = {
    {QPalette::Window, Parchment, Parchment},
    {QPalette::WindowText, Ink, InkFaded},
    {QPalette::Base, Cream, DisabledFace},
    {QPalette::AlternateBase, CreamAlternate, DisabledFace},
    {QPalette::Text, Ink, InkFaded},
    {QPalette::PlaceholderText, Placeholder, InkFaded},
    {QPalette::Button, Gold, DisabledFace},
    {QPalette::ButtonText, Ink, InkFaded},
    {QPalette::BrightText, PaleText, PaleText},
    {QPalette::Light, GoldBright, GoldBright},
    {QPalette::Midlight, GoldTop, GoldTop},
    {QPalette::Mid, WoodLight, WoodLight},
    {QPalette::Dark, Wood, Wood},
    {QPalette::Shadow, WoodDark, WoodDark},
    {QPalette::Highlight, Wood, WoodLight},
    {QPalette::HighlightedText, PaleText, PaleText},
    {QPalette::ToolTipBase, Cream, Cream},
    {QPalette::ToolTipText, Ink, Ink},
    {QPalette::Link, Link, InkFaded},
    {QPalette::LinkVisited, LinkVisited, InkFaded},
};

double Linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour)
{
    return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) + 0.0722 * Linear(colour.blue());
}

}  // namespace

QPalette SkinPalette()
{
    QPalette palette;
    for (const RoleColour& entry : Roles) {
        palette.setColor(QPalette::Active, entry.role, QColor(entry.active));
        palette.setColor(QPalette::Inactive, entry.role, QColor(entry.active));
        palette.setColor(QPalette::Disabled, entry.role, QColor(entry.disabled));
    }
    return palette;
}

double ContrastRatio(const QColor& first, const QColor& second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
