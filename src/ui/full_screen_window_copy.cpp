// The full-screen window's copy command, in the plot's context menu.
#include <QAction>
#include <QMenu>

#include "clipboard.h"
#include "context_menu.h"
#include "full_screen_window.h"
#include "plot/picture.h"

namespace parabel::ui {

void FullScreenWindow::createCopyCommand() {
    QMenu* menu = createContextMenu(pointerArea_);
    copyAction_ = menu->addAction(QStringLiteral("Копировать график"));
    copyAction_->setObjectName(QStringLiteral("copyPlotAction"));
    connectCommand(copyAction_, &FullScreenWindow::copyPlot);
}

void FullScreenWindow::copyPlot() {
    copyPicture(ComposeFullScreenPicture(surface(), createdSize_));
}

}  // namespace parabel::ui
