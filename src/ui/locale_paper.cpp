#include "locale_paper.h"

#include <langinfo.h>
#include <QDate>
#include <cstdint>

namespace parabel::ui {

Paper localePaper() {
    const auto millimetres = [](nl_item item) {
        return static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(item)));
    };
    return PaperOfSize(millimetres(_NL_PAPER_WIDTH), millimetres(_NL_PAPER_HEIGHT));
}

PrintedDate today() {
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

}  // namespace parabel::ui
