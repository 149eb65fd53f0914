// A text label that looks and behaves like a hyperlink: underlined black
// text, blue under the pointing hand while the pointer is over it; a click
// hands its target to the desktop.
#pragma once

#include <QLabel>

#include "platform.h"

namespace parabel::ui {

class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(Platform& platform, QWidget* parent);

    QString Link;            // the target opened when GoCaption is false
    bool GoCaption = false;  // open the label's own text instead of Link

    // The enter, leave and click handlers.
    void MouseEnter();
    void MouseLeave();
    void Click();

    QColor FontColor() const;

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    void SetFontColor(const QColor& color);
    Platform& platform_;
};

}  // namespace parabel::ui
