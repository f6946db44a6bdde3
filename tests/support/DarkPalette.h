#pragma once

#include <QPalette>

namespace spinledger::test {

// A dark desktop as a dark colour scheme sets it: every role a widget reads,
// inactive and disabled texts dimmed.
inline QPalette darkPalette()
{
    QPalette p;
    const struct
    {
        QPalette::ColorRole role;
        QColor colour;
    } roles[] = {
        {QPalette::Window, QColor(0x31, 0x36, 0x3b)},
        {QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::Base, QColor(0x1b, 0x1e, 0x20)},
        {QPalette::AlternateBase, QColor(0x23, 0x26, 0x29)},
        {QPalette::Text, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::PlaceholderText, QColor(0xa1, 0xa9, 0xb1)},
        {QPalette::Button, QColor(0x31, 0x36, 0x3b)},
        {QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::Light, QColor(0x40, 0x46, 0x4c)},
        {QPalette::Midlight, QColor(0x38, 0x3d, 0x43)},
        {QPalette::Mid, QColor(0x24, 0x28, 0x2b)},
        {QPalette::Dark, QColor(0x14, 0x16, 0x18)},
        {QPalette::Shadow, QColor(0x0d, 0x0e, 0x0f)},
        {QPalette::Highlight, QColor(0x3d, 0xae, 0xe9)},
        {QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::BrightText, QColor(0xff, 0xff, 0xff)},
        {QPalette::Link, QColor(0x1d, 0x99, 0xf3)},
        {QPalette::LinkVisited, QColor(0x9b, 0x59, 0xb6)},
        {QPalette::ToolTipBase, QColor(0x31, 0x36, 0x3b)},
        {QPalette::ToolTipText, QColor(0xfc, 0xfc, 0xfc)},
    };
    for (const auto& r : roles)
        p.setColor(r.role, r.colour);
    for (QPalette::ColorRole dimmed : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, dimmed, QColor(0x6e, 0x71, 0x73));
    return p;
}

} // namespace spinledger::test
