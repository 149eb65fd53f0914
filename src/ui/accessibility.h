// What screen readers learn of the windows' controls besides their texts.
#pragma once

#include <QString>

#include "plot/plot_state.h"

class QWidget;

namespace parabel::ui {

// The accessible name a hint gives a button: the hint without the key named
// in brackets at its end ("Clear (Ctrl+A)" -> "Clear"). The whole hint
// serves as its description.
QString accessibleNameFromHint(const QString& hint);

// Names a plot area ("Graph") and describes in words what `state` shows.
void describePlotArea(QWidget* area, const PlotState& state);

// Gives screen readers the program's own view of its custom controls: the
// About window's links as links, the solution list's lines as items and
// separators, the plot as a picture, the toolbar and its dividers as such.
// Once; later calls do nothing.
void installAccessibility();

}  // namespace parabel::ui
