#include "accessibility.h"

#include <QWidget>

#include "app/plot_description.h"

namespace parabel::ui {

QString accessibleNameFromHint(const QString& hint) {
    const qsizetype bracket = hint.lastIndexOf(QStringLiteral(" ("));
    if (bracket <= 0 || !hint.endsWith(QLatin1Char(')'))) {
        return hint;
    }
    return hint.left(bracket);
}

void describePlotArea(QWidget* area, const PlotState& state) {
    area->setAccessibleName(QStringLiteral("График"));
    area->setAccessibleDescription(QString::fromStdString(PlotDescription(state)));
}

}  // namespace parabel::ui
