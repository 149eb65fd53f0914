#include "accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

#include "app/plot_description.h"
#include "core/catalog.h"
#include "link_label.h"
#include "plot_area.h"
#include "solution_list.h"

namespace parabel::ui {

QString accessibleNameFromHint(const QString& hint) {
    const qsizetype bracket = hint.lastIndexOf(QStringLiteral(" ("));
    if (bracket <= 0 || !hint.endsWith(QLatin1Char(')'))) {
        return hint;
    }
    return hint.left(bracket);
}

void describePlotArea(QWidget* area, const PlotState& state) {
    area->setAccessibleName(QString::fromUtf8(Text(Message::kWindowPlot)));
    area->setAccessibleDescription(QString::fromStdString(PlotDescription(state)));
}

namespace {

QAccessibleInterface* programAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("parabel::ui::SolutionList")) {
        return SolutionList::accessibleInterface(static_cast<SolutionList*>(object));
    }
    if (className == QLatin1String("parabel::ui::LinkLabel")) {
        return LinkLabel::accessibleInterface(static_cast<LinkLabel*>(object));
    }
    if (className == QLatin1String("parabel::ui::PlotArea")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    // The toolbar and its dividers are plain widgets: their roles say what
    // they are.
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (widget->objectName() == QLatin1String("toolBar")) {
            return new QAccessibleWidget(widget, QAccessible::ToolBar);
        }
        if (widget->objectName() == QLatin1String("toolBarSeparator")) {
            return new QAccessibleWidget(widget, QAccessible::Separator);
        }
    }
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (!installed) {
        installed = true;
        QAccessible::installFactory(programAccessible);
    }
}

}  // namespace parabel::ui
