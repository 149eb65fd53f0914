// A text label that looks and behaves like a hyperlink: underlined black
// text, blue under the pointing hand while the pointer is over it; a click
// hands its target to the desktop. Tab reaches it (a focus frame shows
// around it), and Enter or Space opens it as a click does.
#pragma once

#include <QLabel>

class QAccessibleInterface;

#include "platform.h"

namespace parabel::ui {

class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(Platform& platform, QWidget* parent);

    // What a click opens, unless the label opens its own caption.
    const QString& target() const { return target_; }
    void setTarget(const QString& target) { target_ = target; }
    bool opensCaption() const { return opensCaption_; }
    void setOpensCaption(bool opensCaption) { opensCaption_ = opensCaption; }

    // What a click does: hands the caption or the target to the desktop; an
    // empty target opens nothing.
    void openTarget();

    QColor textColor() const;

    // What screen readers see: a link named by its caption, which "press"
    // opens (see accessibility.h).
    static QAccessibleInterface* accessibleInterface(LinkLabel* label);

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void setTextColor(const QColor& color);

    Platform& platform_;
    QString target_;
    bool opensCaption_ = false;
};

}  // namespace parabel::ui
