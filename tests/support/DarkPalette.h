#pragma once

#include <QPalette>

namespace spinledger::test {

// A dark desktop as a dark colour scheme sets it: every role a widget reads,
// disabled texts dimmed.
inline QPalette darkPalette()
{
    using P = QPalette;
    QPalette p;
    const std::pair<P::ColorRole, QRgb> roles[] = {
        {P::Window, 0x31363b},        {P::WindowText, 0xfcfcfc}, {P::Base, 0x1b1e20},
        {P::AlternateBase, 0x232629}, {P::Text, 0xfcfcfc},       {P::PlaceholderText, 0xa1a9b1},
        {P::Button, 0x31363b},        {P::ButtonText, 0xfcfcfc}, {P::Light, 0x40464c},
        {P::Midlight, 0x383d43},      {P::Mid, 0x24282b},        {P::Dark, 0x141618},
        {P::Shadow, 0x0d0e0f},        {P::Highlight, 0x3daee9},  {P::HighlightedText, 0xfcfcfc},
        {P::BrightText, 0xffffff},    {P::Link, 0x1d99f3},       {P::LinkVisited, 0x9b59b6},
        {P::ToolTipBase, 0x31363b},   {P::ToolTipText, 0xfcfcfc}};
    for (const auto& [role, colour] : roles)
        p.setColor(role, QColor(colour));
    for (P::ColorRole dimmed : {P::WindowText, P::Text, P::ButtonText})
        p.setColor(P::Disabled, dimmed, QColor(0x6e7173));
    return p;
}

} // namespace spinledger::test
