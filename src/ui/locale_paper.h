// What a printout takes from the user's desktop: the paper of the locale
// and today's date for its footer.
#pragma once

#include "app/printed_page.h"

namespace parabel::ui {

// The paper of the user's locale (LC_PAPER), which the toolkit has set.
Paper localePaper();
PrintedDate today();

}  // namespace parabel::ui
