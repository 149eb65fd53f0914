// A menu bar whose items stand apart, a "|" drawn between each two. The
// dividers are drawn, not items: keyboards and screen readers meet only the
// items.
#pragma once

#include <QMenuBar>

namespace parabel::ui {

class DividedMenuBar : public QMenuBar {
  public:
    explicit DividedMenuBar(QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace parabel::ui
