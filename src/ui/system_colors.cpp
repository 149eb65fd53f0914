#include "system_colors.h"

#include <QPalette>

#include "plot/color.h"

namespace parabel::ui {

void applyPaletteToSystemColors(const QPalette& palette) {
    struct Mapping {
        int number;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    };
    constexpr Mapping kMappings[] = {
        {4, QPalette::Active, QPalette::Window},            // menu
        {5, QPalette::Active, QPalette::Base},              // window
        {7, QPalette::Active, QPalette::WindowText},        // menu text
        {8, QPalette::Active, QPalette::Text},              // window text
        {13, QPalette::Active, QPalette::Highlight},        // highlight
        {14, QPalette::Active, QPalette::HighlightedText},  // highlight text
        {15, QPalette::Active, QPalette::Button},           // button face
        {16, QPalette::Active, QPalette::Dark},             // button shadow
        {17, QPalette::Disabled, QPalette::Text},           // grey text
        {18, QPalette::Active, QPalette::ButtonText},       // button text
        {20, QPalette::Active, QPalette::Light},            // button highlight
        {21, QPalette::Active, QPalette::Shadow},           // 3D dark shadow
        {22, QPalette::Active, QPalette::Midlight},         // 3D light
        {23, QPalette::Active, QPalette::ToolTipText},      // info text
        {24, QPalette::Active, QPalette::ToolTipBase},      // info background
        {26, QPalette::Active, QPalette::Link},             // hot light
        {30, QPalette::Active, QPalette::Window},           // menu bar
    };
    for (const Mapping& mapping : kMappings) {
        SetSystemColor(mapping.number, palette.color(mapping.group, mapping.role).rgb());
    }
}

}  // namespace parabel::ui
